#include "gui/ancillary/update_view.h"

#include "gui/platform/qt_text.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

namespace dorvik::gui {

namespace {
// Tahoma where it is installed, else a sans-serif of similar width.
QFont DialogFont() {
    QFont font(QStringLiteral("Tahoma"), 8);
    font.setFamilies(
        {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    return font;
}

QPushButton* Button(QWidget* parent, const TButton& model, FormDialog& dialog, TButton& target) {
    auto* button = new QPushButton(ToQString(model.Caption()), parent);
    button->setObjectName(QString::fromStdString(model.Name));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, &dialog,
                     [&dialog, &target] { dialog.Act([&target] { target.Click(); }); });
    return button;
}

QLabel* WrappedLabel(QWidget* parent, const TStatic& model) {
    auto* label = new QLabel(ToQString(model.Caption()), parent);
    label->setObjectName(QString::fromStdString(model.Name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}
} // namespace

UpdateView::UpdateView(TfrmUpdate& form, IPlatformServices& services, QWidget* parent)
    : FormDialog(form, services, parent), form_(form) {
    setFont(DialogFont());
    SetClientSize(form.ClientWidth, form.ClientHeight);
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    QPixmap pixmap;
    if (!form.Picture.empty() && pixmap.loadFromData(reinterpret_cast<const uchar*>(form.Picture.data()),
                                                     static_cast<uint>(form.Picture.size()))) {
        picture_->setPixmap(pixmap);
        // Sized to its contents at the upper left.
        form.Image1.Bounds.Width = pixmap.width();
        form.Image1.Bounds.Height = pixmap.height();
    }
    message_ = WrappedLabel(this, form.lblMessage);
    label2_ = WrappedLabel(this, form.Label2);
    auto* bevel = new QFrame(this);
    bevel->setObjectName(QStringLiteral("Bevel1"));
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setGeometry(form.Bevel1.Bounds.Left, form.Bevel1.Bounds.Top, form.Bevel1.Bounds.Width,
                       form.Bevel1.Bounds.Height);
    options_ = dorvik::gui::Button(this, form.btnOptions, *this, form.btnOptions);
    update_ = dorvik::gui::Button(this, form.btnUpdate, *this, form.btnUpdate);
    cancel_ = dorvik::gui::Button(this, form.btnCancel, *this, form.btnCancel);
    setTabOrder(update_, cancel_);
    setTabOrder(cancel_, options_);
    update_->setDefault(true);
    update_->setFocus();
}

QPushButton* UpdateView::Button(const TButton& button) const {
    if (&button == &form_.btnUpdate)
        return update_;
    if (&button == &form_.btnCancel)
        return cancel_;
    return &button == &form_.btnOptions ? options_ : nullptr;
}

void UpdateView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && cancel_->isEnabled()) {
        cancel_->click();
        return;
    }
    FormDialog::keyPressEvent(event);
}

void UpdateView::Refresh() {
    Follow(*picture_, form_.Image1);
    picture_->setVisible(!form_.Picture.empty());
    // The texts start right of the picture, whatever its size.
    const int textLeft =
        std::max(form_.lblMessage.Bounds.Left, form_.Image1.Bounds.Left + form_.Image1.Bounds.Width + 8);
    for (auto [label, model] : {std::pair{message_, &form_.lblMessage}, std::pair{label2_, &form_.Label2}}) {
        Follow(*label, *model);
        label->setGeometry(textLeft, model->Bounds.Top, form_.ClientWidth - textLeft - 8,
                           model->Bounds.Height);
        label->setText(ToQString(model->Caption()));
    }
    Follow(*options_, form_.btnOptions);
    Follow(*update_, form_.btnUpdate);
    Follow(*cancel_, form_.btnCancel);
}

OptionsView::OptionsView(TfrmOptions& form, IPlatformServices& services, QWidget* parent)
    : FormDialog(form, services, parent), form_(form) {
    setFont(DialogFont());
    SetClientSize(form.ClientWidth, form.ClientHeight);
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    const TBounds& p = form.Panel1.Bounds;
    panel->setGeometry(p.Left, p.Top, p.Width, p.Height);
    auto* label = new QLabel(ToQString(form.Label1.Caption()), panel);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(form.Label1.Bounds.Left - p.Left, form.Label1.Bounds.Top - p.Top,
                       form.Label1.Bounds.Width, form.Label1.Bounds.Height + 6);
    days_ = new QSpinBox(panel);
    days_->setObjectName(QStringLiteral("txtDays"));
    days_->setRange(form.txtDays.MinValue, form.txtDays.MaxValue);
    // A number typed outside the range is clamped into it, not dropped for the value before.
    days_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    days_->move(form.txtDays.Bounds.Left - p.Left, form.txtDays.Bounds.Top - p.Top);
    days_->resize(form.txtDays.Bounds.Width, form.txtDays.Bounds.Height);
    autoUpdate_ = new QCheckBox(ToQString(form.cbxAutoUpdate.Caption()), panel);
    autoUpdate_->setObjectName(QStringLiteral("cbxAutoUpdate"));
    autoUpdate_->move(form.cbxAutoUpdate.Bounds.Left - p.Left, form.cbxAutoUpdate.Bounds.Top - p.Top);
    autoUpdate_->resize(form.cbxAutoUpdate.Bounds.Width, form.cbxAutoUpdate.Bounds.Height + 4);
    ok_ = new QPushButton(ToQString(form.btnOK.Caption()), this);
    ok_->setObjectName(QStringLiteral("btnOK"));
    ok_->setDefault(true);
    const TBounds& b = form.btnOK.Bounds;
    ok_->setGeometry(b.Left, b.Top, b.Width, b.Height);

    // Typing and the arrows both change the text: the model's value is its text.
    connect(days_, &QSpinBox::textChanged, this, [this](const QString& text) {
        Act([this, text = FromQString(text)] { form_.txtDays.SetText(text); });
    });
    connect(days_, &QSpinBox::editingFinished, this, [this] { Act([this] { form_.txtDays.Exit(); }); });
    connect(autoUpdate_, &QCheckBox::toggled, this,
            [this](bool checked) { Act([this, checked] { form_.cbxAutoUpdate.SetChecked(checked); }); });
    connect(ok_, &QPushButton::clicked, this, [this] { Act([this] { form_.btnOK.Click(); }); });
}

void OptionsView::Refresh() {
    const QSignalBlocker blockDays(days_);
    const QSignalBlocker blockAuto(autoUpdate_);
    if (days_->value() != form_.txtDays.Value() && !days_->hasFocus())
        days_->setValue(form_.txtDays.Value());
    days_->setEnabled(form_.txtDays.Enabled());
    autoUpdate_->setChecked(form_.cbxAutoUpdate.Checked());
}

} // namespace dorvik::gui
