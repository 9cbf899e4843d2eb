// The printer of the converter's print commands: created on first use, chosen in Print Setup and kept for the
// later jobs; after a job that could not print, a fresh printer with the same choices.
#pragma once

#include <QString>
#include <memory>

class QPrinter;
class QTextDocument;

namespace almadex {

class TKeptPrinter {
public:
    TKeptPrinter();
    ~TKeptPrinter();
    TKeptPrinter(const TKeptPrinter&) = delete;
    TKeptPrinter& operator=(const TKeptPrinter&) = delete;

    /// The printer (high resolution), created on first use.
    QPrinter& printer();
    /// Prints `document` as one job titled `title`. False when the printer goes nowhere (no printer on the
    /// system and no file chosen) or the job failed; the printer is then renewed, so that the next job starts
    /// afresh with the choices made in Print Setup.
    bool print(QTextDocument& document, const QString& title);

private:
    void renew();

    std::unique_ptr<QPrinter> printer_;
};

} // namespace almadex
