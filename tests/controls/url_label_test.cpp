// TURLLabel: address prefixing, opening through its injectable opener, hover colours.
#include "controls/url_label.h"

#include <QApplication>
#include <QEnterEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

/// Records the addresses handed to a label's opener instead of starting a browser.
class OpenerSpy {
public:
    explicit OpenerSpy(TURLLabel& label) {
        label.SetOpener([this](const QString& a) {
            opened.push_back(a);
            return true;
        });
    }
    QStringList opened;
};

struct AddressCase {
    TURLType type;
    const char* caption;
    const char* address;
};

TEST(TURLLabel, AddressGetsThePrefixOfItsKindUnlessTheCaptionHoldsIt) {
    const AddressCase cases[] = {
        {TURLLabel::utMailTo, "someone@example.org", "mailto:someone@example.org"},
        {TURLLabel::utHTTP, "HTTP://Example.org/Page", "HTTP://Example.org/Page"}, // case ignored, kept
        {TURLLabel::utHTTP, "see http://example.org", "see http://example.org"},   // anywhere in the caption
        {TURLLabel::utHTTP, "www.example.org", "http://www.example.org"},
        {TURLLabel::utHTTP, "https://example.org/",
         "https://example.org/"}, // a secure address keeps its scheme
        {TURLLabel::utFTP, "ftp.example.org/pub", "ftp://ftp.example.org/pub"},
        {TURLLabel::utFTP, "http://example.org", "ftp://http://example.org"}, // only its own prefix counts
        {TURLLabel::utMailTo, "MailTo:a@b.c", "MailTo:a@b.c"},
    };
    for (const auto& c : cases) {
        TURLLabel label;
        label.SetURLType(c.type);
        label.SetCaption(QString::fromUtf8(c.caption));
        EXPECT_EQ(label.Address(), QString::fromUtf8(c.address)) << c.caption;
    }
}

TEST(TURLLabel, AMouseClickRunsTheClickEventThenOpensTheAddress) {
    TURLLabel label;
    OpenerSpy spy(label);
    label.setProperty("URLType", QVariant::fromValue(TURLLabel::utMailTo));
    EXPECT_EQ(label.URLType(), TURLLabel::utMailTo);
    label.SetCaption(QStringLiteral("info@example.org"));
    QStringList order;
    QObject::connect(&label, &TURLLabel::clicked, [&] { order.push_back(QStringLiteral("click")); });
    label.SetOpener([&](const QString& a) {
        order.push_back(QStringLiteral("open"));
        spy.opened.push_back(a);
        return true;
    });
    QTest::mouseClick(&label, Qt::LeftButton, {}, label.rect().center());
    EXPECT_EQ(spy.opened, QStringList{QStringLiteral("mailto:info@example.org")});
    EXPECT_EQ(order, (QStringList{QStringLiteral("click"), QStringLiteral("open")}));

    QTest::mouseClick(&label, Qt::RightButton, {}, label.rect().center());
    EXPECT_EQ(spy.opened.size(), 1) << "only the left button opens";
}

TEST(TURLLabel, AnAddressTheDesktopCannotOpenIsToldWithTheAddress) {
    TURLLabel label;
    OpenerSpy spy(label);
    label.SetURLType(TURLLabel::utMailTo);
    label.SetCaption(QStringLiteral("info@example.org"));
    QStringList failed;
    QObject::connect(&label, &TURLLabel::OpenFailed, [&](const QString& a) { failed << a; });
    label.Click();
    EXPECT_TRUE(failed.isEmpty());
    label.SetOpener([](const QString&) { return false; });
    label.Click();
    EXPECT_EQ(failed, QStringList{QStringLiteral("mailto:info@example.org")});
}

TEST(TURLLabel, LooksLikeALink) {
    TURLLabel label;
    EXPECT_TRUE(label.font().underline());
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(label.URLType(), TURLLabel::utHTTP);
    EXPECT_TRUE(label.AutoSize());
    EXPECT_FALSE(label.Transparent());
    label.SetCaption(QStringLiteral("a much longer caption than the default one"));
    EXPECT_GE(label.width(), label.sizeHint().width()) << "AutoSize follows the caption";
}

TEST(TURLLabel, BlueWhileHoveredAndBlackAfterLeaving) {
    TURLLabel label;
    QPalette p = label.palette();
    p.setColor(QPalette::WindowText, Qt::red);
    label.setPalette(p);

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&label, &enter);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&label, &leave);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 0));
}

} // namespace
