// The one guard through which every handler runs: an error of the library (or any other exception) shows its
// message in the default error box and the program goes on. No exception may cross Qt's event loop.
#pragma once

#include <QApplication>
#include <QWidget>
#include <exception>
#include <utility>

namespace almadex {

/// Shows the message of the exception in flight in the default error box. Call only from a catch block.
void report_current_exception(QWidget* parent) noexcept;

/// Runs f; whatever it throws is reported and swallowed. Returns true when f completed.
template <class F>
bool run_guarded(QWidget* parent, F&& f) noexcept {
    try {
        std::forward<F>(f)();
        return true;
    } catch (...) {
        report_current_exception(parent);
        return false;
    }
}

/// A slot that runs a member handler inside the guard: connect(button, &QPushButton::clicked, form,
/// guarded(form, &TMainForm::GConvertClick)).
/// Qt drops the signal's arguments the handler does not take.
template <class Form, class... Args>
auto guarded(Form* form, void (Form::*handler)(Args...)) {
    if constexpr (sizeof...(Args) == 0)
        return [form, handler]() { run_guarded(form, [&] { (form->*handler)(); }); };
    else
        return [form, handler](Args... args) { run_guarded(form, [&] { (form->*handler)(args...); }); };
}

/// The application: its notify() is the last line of defence for handlers that are not connected through
/// guarded() (virtual event handlers of widgets).
class TAlmadexApplication : public QApplication {
public:
    TAlmadexApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace almadex
