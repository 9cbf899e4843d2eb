// A label that behaves like a hyperlink: underlined, hand cursor, blue under the mouse, opens its caption.
#pragma once

#include <QLabel>
#include <QString>
#include <cstdint>
#include <functional>

class TURLLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(TURLType URLType READ URLType WRITE SetURLType)

public:
    /// Kind of address: "http://", "ftp://" or "mailto:".
    enum TURLType : std::uint8_t { utHTTP, utFTP, utMailTo };
    Q_ENUM(TURLType)

    /// Receives the address to open and says whether it could be opened.
    using TOpener = std::function<bool(const QString& address)>;

    explicit TURLLabel(QWidget* parent = nullptr);

    bool AutoSize() const { return auto_size_; }
    void SetAutoSize(bool value);
    QString Caption() const { return text(); }
    /// Sets the text; with AutoSize the label then takes its natural size.
    void SetCaption(const QString& value);
    bool Transparent() const { return !autoFillBackground(); }
    void SetTransparent(bool value) { setAutoFillBackground(!value); }
    TURLType URLType() const { return url_type_; }
    void SetURLType(TURLType value) { url_type_ = value; }

    /// The prefix of the kind, followed by the caption unless the lower-cased caption already contains it.
    QString Address() const;
    /// What a mouse click does: emits clicked(), then opens Address(); emits OpenFailed(Address()) when the
    /// desktop cannot open it.
    void Click();

    /// Replaces this label's opener (an empty function restores the default, QDesktopServices::openUrl);
    /// returns the previous one.
    TOpener SetOpener(TOpener opener);

signals:
    void clicked();
    void OpenFailed(const QString& address);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void set_text_colour(const QColor& colour);

    TOpener opener_;
    TURLType url_type_ = utHTTP;
    bool auto_size_ = true;
    bool pressed_ = false;
};

using TURLType = TURLLabel::TURLType;
