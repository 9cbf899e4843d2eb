// The text of a rich-text file as LibreOffice reads it, and of a PDF file as pdftotext reads it: what the
// user would see of a saved or printed schedule. Each returns nullopt when its tool is not installed.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <optional>

namespace almadex::testing {

/// Runs a program; its standard output, or an empty string with `error` set.
inline QString run_tool(const QString& program, const QStringList& arguments, QString& error,
                        const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForStarted(30000)) {
        error = QStringLiteral("%1 did not start").arg(program);
        return {};
    }
    if (!process.waitForFinished(240000) || process.exitCode() != 0) {
        error =
            QStringLiteral("%1 failed: %2").arg(program, QString::fromUtf8(process.readAllStandardError()));
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// LibreOffice's plain-text reading of `file` (UTF-8, byte-order mark removed). It runs headless with a
/// profile and a home folder of its own, so that it works as root and beside other runs.
inline std::optional<QString> office_text(const QString& file, QString& error) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty()) return std::nullopt;
    QTemporaryDir work;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), work.filePath(QStringLiteral("home")));
    const QString profile = QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString();
    const QString out_dir = work.filePath(QStringLiteral("out"));
    run_tool(soffice,
             {QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=") + profile,
              QStringLiteral("--convert-to"), QStringLiteral("txt:Text (encoded):UTF8"),
              QStringLiteral("--outdir"), out_dir, file},
             error, env);
    QFile text(QDir(out_dir).filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".txt")));
    if (!text.open(QIODevice::ReadOnly)) {
        if (error.isEmpty()) error = QStringLiteral("LibreOffice wrote no text for %1").arg(file);
        return QString();
    }
    QString s = QString::fromUtf8(text.readAll());
    if (s.startsWith(QChar(0xfeff))) s.remove(0, 1);
    return s;
}

/// pdftotext's reading of a PDF file.
inline std::optional<QString> pdf_text(const QString& file, QString& error) {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) return std::nullopt;
    return run_tool(pdftotext, {QStringLiteral("-enc"), QStringLiteral("UTF-8"), file, QStringLiteral("-")},
                    error);
}

/// A PDF file's title, as pdfinfo reads it.
inline std::optional<QString> pdf_title(const QString& file, QString& error) {
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty()) return std::nullopt;
    const QString info = run_tool(pdfinfo, {file}, error);
    for (const QString& line : info.split(u'\n'))
        if (line.startsWith(QStringLiteral("Title:"))) return line.mid(6).trimmed();
    return QString();
}

} // namespace almadex::testing
