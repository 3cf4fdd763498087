#include "app/TForm2.h"

#include "app/icon/quorvane-evaluator.xpm"
#include "platform/Application.h"
#include "platform/Shell.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <exception>

TForm2* Form2 = nullptr;

namespace {

// The window's outer size is 390 by 213 pixels; the client area is that less
// a classic 4-pixel border on each side and a 19-pixel caption, which is the
// frame the control positions were laid out for. A window manager with
// thicker decorations makes the outer size larger, never the client smaller.
constexpr int kLeft = 192;
constexpr int kTop = 107;
constexpr int kClientWidth = 390 - 2 * 4;
constexpr int kClientHeight = 213 - 2 * 4 - 19;

const QColor kGrey(128, 128, 128);
const QColor kBlue(0, 0, 255);

QFont SansSerif11()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont Arial(int pixels)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A label that sizes itself to its caption, placed at its top-left corner.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, int left, int top)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->adjustSize();
    return label;
}

// Calls a handler as the message loop does: an exception that leaves it is
// shown by the application's exception display, and the program goes on.
// Qt must never see an exception unwind through its event dispatch.
void RunHandler(TForm2* form, void (TForm2::*handler)())
{
    try {
        (form->*handler)();
    } catch (const Exception& e) {
        Application().ShowException(e);
    } catch (const std::exception& e) {
        Application().ShowException(Exception(e.what()));
    }
}

} // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Quorvane Expression-Evaluator 1.2"));
    setWindowIcon(QIcon(QPixmap(QuorvaneEvaluatorIcon)));
    setFont(SansSerif11());
    // The form's colour is the button face; the palette's Window role is what
    // a QWidget paints its background with.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
    setAutoFillBackground(true);

    // Created in this order, so that later controls lie above earlier ones
    // (Label6 is drawn over the logo label Label5).
    Label1 = MakeLabel(this, "Label1", QStringLiteral("Expression :"), 16, 48);
    Label2 = MakeLabel(this, "Label2", QStringLiteral("Ergebnis :"), 16, 96);
    Label3 = MakeLabel(this, "Label3", QStringLiteral("Funktionen: sin(x), cos(x), tan(x)"), 16, 144);
    SetTextColour(Label3, kGrey);
    Label4 = MakeLabel(this, "Label4", QStringLiteral("Operatoren:  +, -, *, /, ^"), 16, 160);
    SetTextColour(Label4, kGrey);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(16, 4, 41, 33);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(QuorvaneEvaluatorIcon));

    Label5 = new QLabel(QStringLiteral("Quorvane"), this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setFont(Arial(29));
    SetTextColour(Label5, kGrey);
    Label5->move(64, 0);
    Label5->adjustSize();

    Label6 = new QLabel(QStringLiteral("Expression-Evaluator 1.2"), this);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setFont(Arial(21));
    Label6->setAttribute(Qt::WA_TranslucentBackground);
    Label6->move(80, 16);
    Label6->adjustSize();

    Label7 = new QLabel(QString::fromLatin1(kMakerAddress), this);
    Label7->setObjectName(QStringLiteral("Label7"));
    QFont linkFont = SansSerif11();
    linkFont.setUnderline(true);
    Label7->setFont(linkFont);
    SetTextColour(Label7, kBlue);
    Label7->setCursor(Qt::PointingHandCursor);
    Label7->move(248, 4);
    Label7->adjustSize();
    Label7->installEventFilter(this);

    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(16, 112, 233, 21);
    Edit1->setReadOnly(true);
    QPalette resultPalette = Edit1->palette();
    resultPalette.setColor(QPalette::Base, resultPalette.color(QPalette::Button));
    Edit1->setPalette(resultPalette);

    // autoDefault lets Enter press whichever button has the focus; Enter
    // anywhere else presses Button1 (keyPressEvent).
    Button1 = new QPushButton(QStringLiteral("Evaluate "), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(272, 112, 97, 25);
    Button1->setAutoDefault(true);
    Button1->setDefault(true);

    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(16, 64, 353, 21);

    Button4 = new QPushButton(QStringLiteral("Exit"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setGeometry(272, 144, 97, 25);
    Button4->setAutoDefault(true);

    CheckBox1 = new QCheckBox(QStringLiteral("stay on top"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(176, 152, 73, 25);
    CheckBox1->setChecked(true);

    QParser1 = new TQParser(&FComponents);
    QParser1->SetName("QParser1");

    setTabOrder(Edit2, Button1);
    setTabOrder(Button1, Button4);
    setTabOrder(Button4, CheckBox1);
    setTabOrder(CheckBox1, Edit1);
    Edit2->setFocus();

    connect(Button1, &QPushButton::clicked, this, [this] { RunHandler(this, &TForm2::Button1Click); });
    connect(Button4, &QPushButton::clicked, this, [this] { RunHandler(this, &TForm2::Button4Click); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { RunHandler(this, &TForm2::CheckBox1Click); });

    // The box shows "stay on top" from the start, so the window starts so.
    ApplyStayOnTop(CheckBox1->isChecked());

    resize(kClientWidth, kClientHeight);
    move(kLeft, kTop);
}

TForm2::~TForm2()
{
    if (Form2 == this)
        Form2 = nullptr;
}

void TForm2::Button1Click()
{
    QParser1->SetExpression(Edit2->text().toStdString());
    if (QParser1->CreateTree()) {
        QParser1->Evaluate();
        Edit1->setText(QString::fromStdString(QParser1->ErgebnisString()));
    } else {
        Edit1->setText(QStringLiteral("Syntax Error"));
    }
}

void TForm2::Button4Click() { Application().Terminate(); }

void TForm2::CheckBox1Click()
{
    ApplyStayOnTop(CheckBox1->isChecked());
    Edit2->setFocus();
}

void TForm2::Label7Click() { ShellOpen(kMakerAddress); }

void TForm2::ApplyStayOnTop(bool on)
{
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    // Changing a window flag hides a visible window; show it again in place.
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible)
        show();
}

void TForm2::keyPressEvent(QKeyEvent* event)
{
    // Keys that the focused control did not take: Enter presses the default
    // button, Escape the cancel button.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (Button1->isEnabled())
            Button1->click();
        event->accept();
        return;
    case Qt::Key_Escape:
        if (Button4->isEnabled())
            Button4->click();
        event->accept();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TForm2::closeEvent(QCloseEvent* event)
{
    // Closing the window ends the program the way "Exit" does.
    Application().Terminate();
    event->accept();
}

bool TForm2::eventFilter(QObject* watched, QEvent* event)
{
    // A label has no click signal: a left-button release over Label7 is its click.
    if (watched == Label7 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && Label7->rect().contains(mouse->position().toPoint())) {
            RunHandler(this, &TForm2::Label7Click);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
