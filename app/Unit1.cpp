#include "Unit1.h"

#include <QApplication>
#include <QCommonStyle>
#include <QGroupBox>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <chrono>

#include "BaseDirectory.h"
#include "DelayDisplay.h"
#include "HandlerGuard.h"
#include "SettingsFile.h"
#include "UploadScript.h"
#include "UserInteraction.h"
#include "WindowPlacement.h"
#include "ui_Unit1.h"

namespace {

constexpr auto kConfirmationDelay = std::chrono::milliseconds(2000);

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}
std::string toUtf8(const QString& text) {
    return text.toStdString();
}

// The form gives font heights in pixels (as a dynamic property), which stay true at any
// resolution; the family comes from the window.
void applyFontHeights(QWidget* root) {
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        const QVariant height = widget->property("fontPixelHeight");
        if (height.isValid()) {
            QFont font = widget->font();
            font.setPixelSize(height.toInt());
            widget->setFont(font);
        }
    }
}

// Group boxes get the plain etched frame of a Windows group box. The frame of Qt's default style
// is an image, and loading it starts every image format plugin at the first paint.
void drawGroupBoxesEtched(QWidget* window) {
    auto* etched = new QCommonStyle;
    etched->setParent(window);  // deleted after the controls, which were created first
    for (QGroupBox* box : window->findChildren<QGroupBox*>()) {
        box->setStyle(etched);
    }
}

QPoint defaultPosition() {
    const orgola::WindowRect defaults;
    return {defaults.left, defaults.top};
}

}  // namespace

TForm1::TForm1(const QString& applicationTitle, UserInteraction& interaction, QWidget* parent)
    : QScrollArea(parent),
      ui(std::make_unique<Ui::TForm1>()),
      applicationTitle_(applicationTitle),
      interaction_(interaction) {
    ui->setupUi(this);
    applyFontHeights(this);
    drawGroupBoxesEtched(this);
    // A title bar with neither buttons nor a window menu; the border still resizes.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    viewport()->setBackgroundRole(QPalette::Window);
    ui->ClientArea->setAutoFillBackground(true);
    ui->Label2->lower();

    connect(ui->Panel1, &TPanel::clicked, this, &TForm1::Panel1Click);
    connect(ui->Panel2, &TPanel::clicked, this, &TForm1::Panel2Click);
    connect(ui->SpinButton1, &TSpinButton::upClick, this, &TForm1::SpinButton1UpClick);
    connect(ui->SpinButton1, &TSpinButton::downClick, this, &TForm1::SpinButton1DownClick);
    connect(ui->SpinButton2, &TSpinButton::upClick, this, &TForm1::SpinButton2UpClick);
    connect(ui->SpinButton2, &TSpinButton::downClick, this, &TForm1::SpinButton2DownClick);
    focusWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
            if (old == ui->Ejikan && now != nullptr && now->window() == this) {
                EjikanExit();
            }
        });
    for (QRadioButton* option : options()) {
        connect(option, &QRadioButton::toggled, this, &TForm1::updateTabStops);
    }

    FormCreate();

    updateTabStops();
    updateScrollRange();
    placeWindow();
    focusFirstTabStop();
}

// The controls are destroyed after the form's members; the focus moving away from them then must
// not reach the handlers.
TForm1::~TForm1() {
    disconnect(focusWatch_);
}

// Handlers

void TForm1::FormCreate() {
    runHandler([this] {
        baseDirectory_ = orgola::baseDirectory();
        orgola::Settings settings = currentSettings();
        try {
            orgola::loadSettings(baseDirectory_ + orgola::kSettingsFileName, settings);
        } catch (...) {
            applySettings(settings);  // what was read before the failure stays applied
            throw;
        }
        applySettings(settings);
        henkan();
    });
}

void TForm1::EjikanExit() {
    runHandler([this] { henkan(); });
}

void TForm1::Panel1Click() {
    runHandler([this] {
        ini_hozon();
        close();
    });
}

void TForm1::Panel2Click() {
    runHandler([this] {
        orgola::Settings settings = currentSettings();
        std::string buffer;
        // The buffer and the rounded delay show what was done, also when a step fails.
        auto showProgress = [&] {
            setCaption(ui->Label2, fromUtf8(buffer).replace(QStringLiteral("\r\n"), "\n"));
            const QString delay = fromUtf8(settings.delay);
            if (ui->Ejikan->text() != delay) {
                ui->Ejikan->setText(delay);
            }
        };
        try {
            orgola::assembleUploadScript(settings, buffer);
        } catch (...) {
            showProgress();
            throw;
        }
        showProgress();
        orgola::writeUploadScript(baseDirectory_ + orgola::kUploadScriptFileName, buffer);
        interaction_.pause(kConfirmationDelay);
        interaction_.showMessage(this, applicationTitle_,
                                 QStringLiteral("orgolaの設定が終わりました"));
        ini_hozon();
        close();
    });
}

void TForm1::SpinButton1UpClick() {
    stepDelay(orgola::StepDirection::Up);
}

void TForm1::SpinButton1DownClick() {
    stepDelay(orgola::StepDirection::Down);
}

void TForm1::SpinButton2UpClick() {
    stepRepeatCount(orgola::StepDirection::Up);
}

void TForm1::SpinButton2DownClick() {
    stepRepeatCount(orgola::StepDirection::Down);
}

// A step that fails ends the press that caused it, so a held spin button shows its error once.
void TForm1::stepDelay(orgola::StepDirection direction) {
    const bool stepped = runHandler([this, direction] {
        ui->Ejikan->setText(fromUtf8(orgola::steppedDelay(toUtf8(ui->Ejikan->text()), direction)));
        henkan();
    });
    if (!stepped) {
        ui->SpinButton1->endPress();
    }
}

void TForm1::stepRepeatCount(orgola::StepDirection direction) {
    const bool stepped = runHandler([this, direction] {
        ui->Ekai->setText(
            fromUtf8(orgola::steppedRepeatCount(toUtf8(ui->Ekai->text()), direction)));
    });
    if (!stepped) {
        ui->SpinButton2->endPress();
    }
}

void TForm1::henkan() {
    setCaption(ui->Label4, fromUtf8(orgola::delayDisplayText(toUtf8(ui->Ejikan->text()))));
}

void TForm1::ini_hozon() {
    orgola::saveSettings(baseDirectory_ + orgola::kSettingsFileName, currentSettings());
}

bool TForm1::runHandler(const std::function<void()>& body) {
    // Before the window is shown (start-up) the box stands on its own.
    return ::runHandler(interaction_, isVisible() ? this : nullptr, applicationTitle_, body);
}

// Controls and settings

// The options of all three groups.
std::array<QRadioButton*, 7> TForm1::options() const {
    return {ui->RBakarui, ui->RBkurai,  ui->RBsinai,  ui->RB2313,
            ui->RB45,     ui->RBtomori, ui->RBhidaspx};
}

orgola::Settings TForm1::currentSettings() const {
    orgola::Settings settings;
    settings.window = outerRect();
    settings.chip = ui->RB2313->isChecked() ? orgola::Chip::Attiny2313 : orgola::Chip::Attiny45;
    settings.programmer = ui->RBhidaspx->isChecked() ? orgola::Programmer::Hidaspx
                                                     : orgola::Programmer::LearningCircuit;
    settings.trigger = ui->RBkurai->isChecked()   ? orgola::Trigger::Dark
                       : ui->RBsinai->isChecked() ? orgola::Trigger::None
                                                  : orgola::Trigger::Bright;
    settings.repeatCount = toUtf8(ui->Ekai->text());
    settings.delay = toUtf8(ui->Ejikan->text());
    return settings;
}

void TForm1::applySettings(const orgola::Settings& settings) {
    placement_ = settings.window;
    (settings.chip == orgola::Chip::Attiny2313 ? ui->RB2313 : ui->RB45)->setChecked(true);
    (settings.programmer == orgola::Programmer::Hidaspx ? ui->RBhidaspx : ui->RBtomori)
        ->setChecked(true);
    switch (settings.trigger) {
        case orgola::Trigger::Bright:
            ui->RBakarui->setChecked(true);
            break;
        case orgola::Trigger::Dark:
            ui->RBkurai->setChecked(true);
            break;
        case orgola::Trigger::None:
            ui->RBsinai->setChecked(true);
            break;
    }
    ui->Ekai->setText(fromUtf8(settings.repeatCount));
    ui->Ejikan->setText(fromUtf8(settings.delay));
}

void TForm1::setCaption(QLabel* label, const QString& text) {
    label->setText(text);
    if (label->property("autoSize").toBool()) {
        label->adjustSize();
        updateScrollRange();
    }
}

// The scrolled content reaches to the right and bottom edges of the controls.
void TForm1::updateScrollRange() {
    const QRect extent = ui->ClientArea->childrenRect();
    ui->ClientArea->resize(extent.right() + 1, extent.bottom() + 1);
}

// Geometry. The settings file holds the outer rectangle, frame included; Qt places a window's
// frame but sizes its client area, and knows the frame only once a window manager has framed the
// window.

orgola::WindowRect TForm1::outerRect() const {
    if (!isVisible()) {
        return placement_;
    }
    const QRect frame = frameGeometry();
    return {frame.x(), frame.y(), frame.width(), frame.height()};
}

void TForm1::placeWindow() {
    const QRect saved(placement_.left, placement_.top, placement_.width, placement_.height);
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) {
        screens.append(screen->geometry());
    }
    const QPoint position = reachablePosition(saved, screens, defaultPosition());
    placement_.left = position.x();
    placement_.top = position.y();
    move(position);
    resize(placement_.width, placement_.height);
}

void TForm1::showEvent(QShowEvent* event) {
    QScrollArea::showEvent(event);
    if (!frameFitted_ && windowHandle() != nullptr) {
        windowHandle()->installEventFilter(this);
    }
}

void TForm1::fitFrameToOuterSize() {
    const QMargins frame = windowHandle()->frameMargins();
    if (frame.isNull()) {
        return;
    }
    frameFitted_ = true;
    windowHandle()->removeEventFilter(this);
    resize(placement_.width - frame.left() - frame.right(),
           placement_.height - frame.top() - frame.bottom());
    move(placement_.left, placement_.top);
}

// Focus

// In each option group only the checked option is a tab stop; all of them take the focus by
// mouse.
void TForm1::updateTabStops() {
    for (QRadioButton* option : options()) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

// The focus starts on the first tab stop: the checked trigger option, or the repeat count when
// the checked one is the hidden option.
void TForm1::focusFirstTabStop() {
    const std::initializer_list<QWidget*> tabOrder = {ui->RBakarui, ui->RBkurai, ui->RBsinai,
                                                      ui->Ekai};
    for (QWidget* control : tabOrder) {
        if ((control->focusPolicy() & Qt::TabFocus) != 0 && !control->isHidden()) {
            control->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Expose && watched == windowHandle() && !frameFitted_) {
        fitFrameToOuterSize();
    }
    return QScrollArea::eventFilter(watched, event);
}
