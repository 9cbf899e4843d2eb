#include "app/info_form.h"

#include "app/artwork.h"
#include "app/core.h"
#include "app/guard.h"
#include "app/messages.h"
#include "app/product.h"
#include "app/shell_open.h"
#include "controls/url_label.h"
#include "ui_info_form.h"

#include <QFileInfo>
#include <QLabel>
#include <QTabWidget>
#include <QUrl>

namespace almadex {

TInfoForm::TInfoForm(TAppCore& core, QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::TInfoForm>()) {
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(size());
    ui->Image1->setPixmap(about_picture());
    // The link opens the user's guide installed with the program (there is no web site nor mail address).
    ui->URLLabel1->SetOpener([this, &core](const QString&) {
        const QString guide = core.guide_file();
        if (QFileInfo::exists(guide))
            core.open_url(this, QUrl::fromLocalFile(guide), tr("The user's guide"));
        else
            show_error(this, tr("The help file cannot be found: %1").arg(guide));
        return true; // said above when it failed
    });
    connect(ui->BitBtn3, &QPushButton::clicked, this, guarded(this, &TInfoForm::BitBtn3Click));
    // The data the program carries from others, with their licences.
    credits_ = new QLabel(ui->PageControl1);
    credits_->setObjectName(QStringLiteral("CreditsText"));
    credits_->setWordWrap(true);
    credits_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    credits_->setMargin(12);
    credits_->setTextFormat(Qt::RichText);
    connect(credits_, &QLabel::linkActivated, this, [this, &core](const QString& address) {
        if (!core.seams().open_url(QUrl(address))) tell_cannot_open(this, QUrl(address), tr("The link"));
    });
    ui->PageControl1->addTab(credits_, QString());
    translate();
    // The about command opens it on its first page.
    connect(&core, &TAppCore::window_opening, this, [this](TWindow window) {
        if (window == TWindow::info) ui->PageControl1->setCurrentIndex(0);
    });
}

TInfoForm::~TInfoForm() = default;

void TInfoForm::translate() {
    ui->Label7->setText(tr("%1 version %2\nA desktop almanac").arg(product_name(), product_version()));
    ui->URLLabel1->SetCaption(tr("The user's guide"));
    ui->URLLabel1->setToolTip(tr("Open the user's guide"));
    credits_->setText(
        tr("Places by name: the cities of <a href=\"https://www.geonames.org/\">GeoNames</a> "
           "(\u00a9 GeoNames), licensed under the <a "
           "href=\"https://creativecommons.org/licenses/by/4.0/\">Creative Commons Attribution 4.0"
           "</a> licence."));
    ui->PageControl1->setTabText(ui->PageControl1->indexOf(credits_), tr("Credits"));
}

void TInfoForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    ui->retranslateUi(this);
    translate();
}

QTabWidget* TInfoForm::PageControl1() const {
    return ui->PageControl1;
}

void TInfoForm::BitBtn3Click() {
    done(1);
}

} // namespace almadex
