#include "gui/ancillary/about_view.h"

#include "gui/ancillary/artwork.h"
#include "gui/main_window/logo.h"
#include "gui/platform/qt_text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace dorvik::gui {

namespace {
QLabel* Picture(QWidget* parent, const TStatic& model, const QPixmap& pixmap) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromStdString(model.Name));
    label->setPixmap(pixmap);
    label->setAlignment(Qt::AlignCenter);
    return label;
}
} // namespace

AboutView::AboutView(TfrmAbout& form, IPlatformServices& services, QWidget* parent)
    : FormDialog(form, services, parent), form_(form) {
    // The designed outer size less a thin frame and the caption bar.
    SetClientSize(form.Width - 8, form.Height - 30);
    const auto size = [](const TStatic& s) { return std::pair(s.Bounds.Width, s.Bounds.Height); };
    image1_ = Picture(this, form.Image1, MakerLogo(size(form.Image1).first, size(form.Image1).second));
    label1_ = new QLabel(ToQString(form.Label1.Caption()), this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAlignment(Qt::AlignCenter);
    QFont bold(QStringLiteral("Liberation Sans"), 18);
    bold.setBold(true);
    label1_->setFont(bold);
    label1_->setStyleSheet(QStringLiteral("color: blue;"));

    memo1_ = new QPlainTextEdit(ToQString(form.Memo1.Caption()), this);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setReadOnly(true);
    memo1_->setFrameShape(QFrame::NoFrame);
    memo1_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo1_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo1_->viewport()->setCursor(Qt::ArrowCursor);
    QPalette palette = memo1_->palette();
    palette.setColor(QPalette::Base, this->palette().color(QPalette::Window));
    palette.setColor(QPalette::Text, Qt::blue);
    memo1_->setPalette(palette);

    button1_ = new QPushButton(ToQString(form.Button1.Caption()), this);
    button1_->setObjectName(QStringLiteral("Button1"));
    button1_->setDefault(true);
    connect(button1_, &QPushButton::clicked, this, [this] { Act([this] { form_.Button1.Click(); }); });

    image2_ = Picture(this, form.Image2, BoltPicture(size(form.Image2).first, size(form.Image2).second));
    image3_ = Picture(this, form.Image3, MastPicture(size(form.Image3).first, size(form.Image3).second));

    // Clicks on every part close the box; keys reach the handlers from the box, the notice and the button.
    for (QObject* part :
         std::initializer_list<QObject*>{image1_, label1_, memo1_->viewport(), image2_, image3_})
        part->installEventFilter(this);
    for (QObject* part : std::initializer_list<QObject*>{this, memo1_, button1_})
        part->installEventFilter(this);
    button1_->setFocus();
}

void AboutView::Refresh() {
    Follow(*image1_, form_.Image1);
    Follow(*label1_, form_.Label1);
    Follow(*memo1_, form_.Memo1);
    Follow(*button1_, form_.Button1);
    Follow(*image2_, form_.Image2);
    Follow(*image3_, form_.Image3);
    image2_->raise();
    image3_->raise();
    if (!button1_->isVisibleTo(this) && focusWidget() == button1_)
        setFocus();
}

void AboutView::mouseReleaseEvent(QMouseEvent* event) {
    FormDialog::mouseReleaseEvent(event);
    Act([this] { form_.FormClick(); });
}

bool AboutView::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (watched != this && watched != memo1_ && watched != button1_) {
            Act([this] { form_.FormClick(); });
            return true;
        }
        break;
    case QEvent::ShortcutOverride:
        // Alt and a letter belongs to the reveal word here, not to a button's mnemonic ("&Ok" is Alt+O).
        if (static_cast<QKeyEvent*>(event)->modifiers() & Qt::AltModifier) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        // Handled at the focused part and not passed on to the box, which would see it a second time.
        if (watched != (focusWidget() ? focusWidget() : this))
            break;
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (!(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) && text.size() == 1 &&
            text[0].unicode() < 0x80 && text[0].isLetter()) {
            const char typed = static_cast<char>(text[0].unicode());
            Act([this, typed] { form_.Button1KeyPress(typed); });
            return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        if (watched != (focusWidget() ? focusWidget() : this))
            break;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Letter and digit keys have the same codes as the platform's virtual keys; other keys are left out.
        const int code = key->key();
        const bool letterOrDigit =
            (code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9);
        if (!key->isAutoRepeat() && letterOrDigit) {
            const bool alt = key->modifiers() & Qt::AltModifier;
            Act([this, code, alt] { form_.FormKeyUp(code, alt); });
            return true;
        }
        break;
    }
    default:
        break;
    }
    return FormDialog::eventFilter(watched, event);
}

} // namespace dorvik::gui
