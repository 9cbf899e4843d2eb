// The real message box: its text can be selected and copied, whatever the message.
#include "app/messages.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace almadex;

namespace {

TEST(MessageBox, TheTextCanBeSelectedAndCopied) {
    const TMessage cases[] = {
        {QStringLiteral("Wrong date !"), QStringLiteral("Please, note that Gregorian date is invalid."),
         QMessageBox::Information, QMessageBox::Ok},
        {QStringLiteral("Almadex"), QStringLiteral("Could not save /tmp/x.rtf:\nNo space left on device"),
         QMessageBox::Warning, QMessageBox::Ok},
    };
    for (const TMessage& m : cases) {
        QApplication::clipboard()->clear();
        Qt::TextInteractionFlags flags;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            flags = box->textInteractionFlags();
            auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            ASSERT_NE(label, nullptr);
            label->setFocus();
            label->setSelection(0, static_cast<int>(label->text().size()));
            QTest::keyClick(label, Qt::Key_C, Qt::ControlModifier);
            box->accept();
        });
        message_box(nullptr, m);
        EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByMouse)) << m.text.toStdString();
        EXPECT_TRUE(flags.testFlag(Qt::TextSelectableByKeyboard)) << m.text.toStdString();
        EXPECT_EQ(QApplication::clipboard()->text(), m.text);
    }
}

} // namespace
