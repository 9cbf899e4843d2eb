#include "app/kept_printer.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

namespace almadex {
namespace {

/// True when the printer has somewhere to print to: an installed printer, or a file.
bool has_destination(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
    return !printer.printerName().isEmpty() && !QPrinterInfo::printerInfo(printer.printerName()).isNull();
}

} // namespace

TKeptPrinter::TKeptPrinter() = default;
TKeptPrinter::~TKeptPrinter() = default;

QPrinter& TKeptPrinter::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool TKeptPrinter::print(QTextDocument& document, const QString& title) {
    QPrinter& target = printer();
    target.setDocName(title);
    // A printer that goes nowhere cannot start a job; a job that cannot start leaves the printer in its error
    // state.
    if (has_destination(target) && target.isValid()) {
        document.print(&target);
        if (target.printerState() != QPrinter::Error && target.printerState() != QPrinter::Aborted)
            return true;
    }
    renew();
    return false;
}

void TKeptPrinter::renew() {
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (printer_->outputFormat() == QPrinter::PdfFormat) {
        fresh->setOutputFormat(QPrinter::PdfFormat);
        fresh->setOutputFileName(printer_->outputFileName());
    } else {
        fresh->setPrinterName(printer_->printerName());
    }
    fresh->setPageLayout(printer_->pageLayout());
    fresh->setCopyCount(printer_->copyCount());
    fresh->setColorMode(printer_->colorMode());
    fresh->setDuplex(printer_->duplex());
    printer_ = std::move(fresh);
}

} // namespace almadex
