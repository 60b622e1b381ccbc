#pragma once
// A one-line label that cuts a text too long for it with an ellipsis, and shows the whole text in its
// tooltip: a status bar stays one line high whatever it is given.
#include <QLabel>
#include <QString>

namespace dorvik::gui {

class ElidedLabel : public QLabel {
public:
    explicit ElidedLabel(QWidget* parent = nullptr);
    void SetFullText(const QString& text);
    const QString& FullText() const { return full_; }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Elide();
    QString full_;
};

} // namespace dorvik::gui
