// The dates repository: a list of dates the user has named, kept in "dates.dat" (section General with N,
// sections Date1..DateN with Description and Value). Selecting an entry sends its date to the converter
// (through the core).
#pragma once

#include "app/data_files.h"

#include <QIcon>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QDateEdit;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableWidget;

namespace Ui {
class TRepositoryForm;
}

namespace almadex {

class TAppCore;

class TRepositoryForm : public QWidget {
    Q_OBJECT

public:
    explicit TRepositoryForm(TAppCore& core, QWidget* parent = nullptr);
    /// Writes "dates.dat".
    ~TRepositoryForm() override;

    QTableWidget* ListView1() const;
    QGroupBox* NuGroup() const;
    QLineEdit* DescEdit() const;
    QDateEdit* DatePick() const;
    QPushButton* AddBtn() const;
    QAction* Remove1() const { return remove1_; }

    /// For tests: runs between the temporary file and the rename when "dates.dat" is written.
    void SetBeforeRename(std::function<void()> hook) { before_rename_ = std::move(hook); }

    /// The entries: description and date text, in list order.
    int EntryCount() const;
    QString EntryDescription(int row) const;
    QString EntryDate(int row) const;

    /// The longest description.
    static constexpr int kMaxDescription = 35;

    /// Appends the entries of "dates.dat" to the list. A file that exists but cannot be read, or is no dates
    /// file (anything but blanks without a count of entries), is said once and then left as it is (the list
    /// stays empty and is not saved in this run); a damaged one is said, and only the entries it holds are
    /// read.
    void load_repository();
    /// Writes the list into "dates.dat", keeping what else the file holds; a failure is reported once. Each
    /// change is saved as it is made. A file that another program changed since this one read or wrote it is
    /// not written over (said once). Returns true when the file was written (never after the file could not
    /// be read at start).
    bool save_repository();
    /// Appends an entry; line breaks and other control characters of the description become spaces.
    void add_repository_entry(const QString& description, const QString& date_text);
    /// The window's designed size and its list's columns.
    static constexpr int kWidth = 305;
    static constexpr int kHeight = 217;
    static constexpr int kDescriptionWidth = 145;
    static constexpr int kDateWidth = 120;
    /// The columns as wide as their longest entry needs, at least as designed; the window grows by as much
    /// (and returns to its designed width when the long entries are gone).
    void fit_to_entries();

    /// Finds "dates.dat" in the program's folder, reads it and sets the picker to today.
    void FormCreate();
    void FormDestroy();
    /// Adds the description and the picked date, written dd/mm/yyyy, and saves; an empty description is
    /// refused with a message.
    void AddBtnClick();
    void NuGroupEnter();
    void NuGroupExit();
    /// A newly selected entry fills the description and the picker and is sent to the converter.
    void ListView1SelectItem(int row, bool selected);
    void Remove1Click();
    /// Puts the entry removed last back where it was (Ctrl+Z, or Undo in the list's menu).
    void undo_remove();
    QAction* UndoAction() const { return undo_; }

protected:
    /// Every text in the language spoken; the entries' dates in the digits shown.
    void changeEvent(QEvent* event) override;

private:
    void focus_changed(QWidget* old_focus, QWidget* new_focus);
    bool in_new_date_group(const QWidget* widget) const;
    /// add_repository_entry without fitting the window to the entries.
    void append_entry(const QString& description, const QString& date_text);

    TAppCore& core_;
    std::unique_ptr<Ui::TRepositoryForm> ui;
    QMenu* favorite_popup_menu_ = nullptr;
    QAction* remove1_ = nullptr;
    QAction* undo_ = nullptr;
    struct TRemoved {
        int row;
        QString description, date;
    };
    std::vector<TRemoved> removed_; ///< the entries removed, the last at the end
    std::string known_bytes_;       ///< the file as last read or written: a save over other bytes is refused
    QIcon state_image_;             ///< every entry's state image
    TDataFileLocation data_file_;
    std::function<void()> before_rename_;
    bool save_allowed_ = true; ///< false after the file could not be read at start
};

} // namespace almadex
