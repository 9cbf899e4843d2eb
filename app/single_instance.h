// One running program per user and data folder: the first program to start holds a lock file and listens on a
// local socket, both in a folder only the user can enter (lock_folder) and named after the data folder as the
// file system names it (links resolved); a later start asks it to come to the front and ends, so that two
// programs never write the same "dates.dat" and "gl.dat" over each other.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

namespace almadex {

class TSingleInstance : public QObject {
    Q_OBJECT

public:
    /// `data_folder` is the folder of the program's data files: programs of one user that share it are one.
    explicit TSingleInstance(const QString& data_folder, QObject* parent = nullptr);
    ~TSingleInstance() override;

    /// True when this is the first program for the user and folder; it then listens for later starts.
    bool is_first() const { return first_; }
    /// From a later start: asks the first program to come to the front. False when it could not be reached
    /// within `timeout_ms` (it is starting or stopping).
    bool ask_first_to_come_forward(int timeout_ms = 10000) const;

    /// The socket's path (its name alone when the path would be too long), for tests.
    const QString& name() const { return name_; }
    /// Where the lock and the socket lie: $XDG_RUNTIME_DIR when it is a folder of this user's that no one
    /// else may enter, else the data folder; links resolved.
    static QString lock_folder(const QString& data_folder);

signals:
    /// A later start asked this program to come to the front.
    void come_forward();

private:
    QString name_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer* server_ = nullptr;
    bool first_ = false;
};

} // namespace almadex
