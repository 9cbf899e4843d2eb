// A desktop without a printer and without a program to open files and addresses (no xdg-open), through the
// real menus and the real Print Setup dialog: each failure is told.
#include "tests/xvfb/x_session.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>

using namespace almadex::xvfb;

namespace {

class Desktop : public TWindowTest {
protected:
    /// Chooses an item of the File menu by its underlined letter. Alt+F alone is no sure way there: "&File"
    /// and "&Fill in..." share the letter, and Alt+F goes to each in turn.
    void file_menu(const QString& letter) { key({QStringLiteral("alt+e"), QStringLiteral("Left"), letter}); }
};

/// The PDF files under `folder`, searched through its sub-folders.
QStringList pdf_files(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, {QStringLiteral("*.pdf")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) out << it.next();
    return out;
}

TEST_F(Desktop, WithoutAPrinterOrAnOpenerEachFailureIsTold) {
    start_program_at(60, 40);
    ASSERT_TRUE(activate(program.main_window()));
    // File > Print calendars: no printer, no file.
    file_menu(QStringLiteral("p"));
    const QString trouble = find_window(QStringLiteral("^Printer's trouble\\?$"), 5000);
    ASSERT_FALSE(trouble.isEmpty()) << "no message about the printer";
    activate(trouble);
    key({QStringLiteral("Return")});
    ASSERT_TRUE(window_gone(QStringLiteral("^Printer's trouble\\?$")));
    // File > Print Setup: the dialog offers printing to a PDF file; OK takes it.
    activate(program.main_window());
    file_menu(QStringLiteral("r"));
    const QString setup = find_window(QStringLiteral("^Print Setup$"), 5000);
    ASSERT_FALSE(setup.isEmpty());
    activate(setup);
    key({QStringLiteral("Return")});
    ASSERT_TRUE(window_gone(QStringLiteral("^Print Setup$")));
    // Printing again writes the file, without a message.
    activate(program.main_window());
    file_menu(QStringLiteral("p"));
    QStringList printed;
    for (int i = 0; i < 30 && printed.isEmpty(); ++i) {
        settle(100);
        printed = pdf_files(QDir(program.folder()).filePath(QStringLiteral("..")));
    }
    EXPECT_EQ(printed.size(), 1) << printed.join(u' ').toStdString();
    EXPECT_TRUE(find_window(QStringLiteral("^Printer's trouble\\?$"), 300).isEmpty());

    // Help > Contents with nothing to open the guide (beside the program): a message names it.
    if (!QStandardPaths::findExecutable(QStringLiteral("xdg-open")).isEmpty()) return;
    ASSERT_TRUE(QFile::exists(program.file(QStringLiteral("help/index.html"))));
    activate(program.main_window());
    key({QStringLiteral("F1")});
    const QString message = find_window(QStringLiteral("^Almadex$"), 5000);
    ASSERT_FALSE(message.isEmpty()) << "Help > Contents says nothing";
    activate(message);
    key({QStringLiteral("Return")});
}

} // namespace
