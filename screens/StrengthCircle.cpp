#include "StrengthCircle.h"

#include "PainterSurface.h"
#include "Printouts.h"
#include "ScreenFlow.h"
#include "Session.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <functional>

namespace tessaly {

// The chart box keeps no drawing of its own: what the mouse movement painted is lost at
// the next repaint of the window, and the box is white again until the mouse moves over it.
class ChartBox final : public QWidget {
public:
    ChartBox(std::function<void()> onMouseMove, QWidget* parent) : QWidget(parent), onMouseMove_(std::move(onMouseMove))
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // Paints onto what the box shows now, without clearing it; `shown` says in words what
    // the box shows then, for those who cannot see it.
    void drawOn(const std::function<void(QPainter&)>& draw, const QString& shown)
    {
        if (canvas_.deviceIndependentSize() != QSizeF(size()))
            clear();
        QPainter painter(&canvas_);
        draw(painter);
        setAccessibleDescription(shown);
        drawnSinceRepaint_ = true;
        update();
    }

protected:
    void mouseMoveEvent(QMouseEvent*) override { onMouseMove_(); }

    void paintEvent(QPaintEvent*) override
    {
        if (!drawnSinceRepaint_)
            clear();
        drawnSinceRepaint_ = false;
        QPainter(this).drawImage(0, 0, canvas_);
    }

private:
    void clear()
    {
        // Sharp on high-resolution screens: as many pixels as the screen shows.
        const qreal ratio = devicePixelRatioF();
        canvas_ = QImage(size() * ratio, QImage::Format_RGB32);
        canvas_.setDevicePixelRatio(ratio);
        canvas_.fill(Qt::white);
        if (!accessibleDescription().isEmpty())
            setAccessibleDescription({});
    }

    std::function<void()> onMouseMove_;
    QImage canvas_;
    bool drawnSinceRepaint_ = false;
};

namespace {

struct ValueBox {
    const char* name;
    int top;
    QColor back;
    QColor text;
};

struct Caption {
    const char* name;
    const char* text;
    int top;
    int height;
    QColor color;
};

} // namespace

StrengthCircleScreen::StrengthCircleScreen(Shell& shell, Session& session, ScreenFlow& flow, const PrintParts& printing)
    : ScreenWindow(ScreenId::Graph1, shell), session_(session), printing_(printing)
{
    addStandardMenus({"mnufile", "File"}, {{"Print", "Print", [this] { Print_Click(); }}});
    Form& f = form();

    f.picture("Picture2", Picture::CompanyLogo, {1560, 120, 2175, 975});
    auto* back = f.button("Command1", QStringLiteral("Back To the Tessaly"), {5160, 120, 1455, 615});
    auto* onward = f.button("Command2", QStringLiteral("START to Understand Me"), {5160, 960, 1455, 615});
    f.label("Label6", QStringLiteral("Move the mouse to the box below to see the chart!"), {720, 1200, 3855, 255},
            {.back = Qt::white});
    chart_ = f.add(new ChartBox([this] { Picture1_MouseMove(); }, client()), "Picture1", {480, 1440, 4215, 4215});
    setAccessibleRole(chart_, QAccessible::Chart);
    chart_->setAccessibleName(QStringLiteral("Strength Circle"));

    const std::array<ValueBox, 4> boxes{{
        {"Text1", 2160, kRed, Qt::white},
        {"Text2", 2880, kYellow, Qt::black},
        {"Text3", 3600, kBlue, Qt::white},
        {"Text4", 4320, kDarkGreenFill, Qt::black},
    }};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto& b = boxes[i];
        values_[i] = f.textField(b.name, {}, {4920, b.top, 615, 615},
                                 {.points = 12, .bold = true, .text = b.text, .back = b.back});
        const Color color = kColors[i];
        values_[i]->setAccessibleName(QStringLiteral("%1 value").arg(QString::fromUtf8(colorName(color))));
        // Whatever changes a box (typing, pasting, undoing, an assistive tool) reaches the
        // session at once: the chart and the printout read the values from there.
        connect(values_[i], &QLineEdit::textChanged, this,
                [this, color](const QString& text) { session_.setStrengthValue(color, StrengthValue::typed(text)); });
    }
    const std::array<Caption, 4> captions{{
        {"Label1", "  RED Value", 2400, 735, kRed},
        {"Label2", "  YELLOW Value", 3120, 735, kYellow},
        {"Label3", "  BLUE Value", 3840, 615, kBlue},
        {"Label4", "  GREEN Value", 4440, 495, kGreenText},
    }};
    std::array<QLabel*, 4> captionLabels{};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const auto& c = captions[i];
        captionLabels[i] = f.label(c.name, QString::fromLatin1(c.text), {5760, c.top, 1815, c.height},
                                   {.points = 9.75, .bold = true, .text = c.color, .back = kLightGrey});
    }
    // Each value is read with the caption beside it.
    readInOrder({values_[0], captionLabels[0], values_[1], captionLabels[1], values_[2], captionLabels[2], values_[3],
                 captionLabels[3]});
    f.line("Line1", 5760, 2400, 7560, 2400);
    f.line(member("Line2", 0), 7560, 2400, 7560, 4920);
    f.line(member("Line2", 1), 5760, 2400, 5760, 4920);
    f.line("Line3", 5760, 4920, 7560, 4920);
    for (std::size_t i = 0; i < rawTotals_.size(); ++i) {
        const QByteArray name = "Text" + QByteArray::number(static_cast<int>(i) + 5);
        rawTotals_[i] = f.textField(name.constData(), {}, {5760 + 480 * static_cast<int>(i), 5040, 465, 285});
        rawTotals_[i]->hide();
    }
    auto* printValuesButton = f.button("Command3", QStringLiteral("Print your Values"), {5280, 5880, 1455, 735});
    connect(printValuesButton, &QPushButton::clicked, this, [this] { Print_Click(); });
    f.label(
        "Label5",
        QStringLiteral(
            "The Strength Circle indicates the percentage of your primary colors compared to the secondary colors."),
        {840, 6120, 3375, 735}, {.back = Qt::white});

    connect(back, &QPushButton::clicked, this, [&flow] { flow.navigate(ScreenId::Graph1, ScreenId::quiz); });
    connect(onward, &QPushButton::clicked, this, [&flow] { flow.navigate(ScreenId::Graph1, ScreenId::Yourcolor1); });
    followSession(session_, [this] { showValues(); });
}

void StrengthCircleScreen::Picture1_MouseMove()
{
    // The chart reads the values afresh at every movement.
    const StrengthValues& values = session_.strengthCircle().values;
    QStringList shown;
    for (const Color color : kColors)
        shown << QString::fromUtf8(colorName(color)) + u' ' + values[indexOf(color)].text();
    chart_->drawOn(
        [&](QPainter& painter) {
            PainterSurface surface(painter);
            drawStrengthCircle(values, surface);
        },
        shown.join(QStringLiteral(", ")));
}

void StrengthCircleScreen::Print_Click()
{
    // The name and the values as they stand now go to paper.
    print(printing_,
          {QStringLiteral("Tessaly values.pdf"),
           [name = session_.yourColors().userName, values = session_.strengthCircle().values](Printer& printer) {
               return printValues(printer, name, values);
           }},
          QStringLiteral("You can not Print your Values at this time!"));
}

void StrengthCircleScreen::showValues()
{
    const auto& group = session_.strengthCircle();
    for (std::size_t i = 0; i < values_.size(); ++i) {
        // A box being typed into already shows what it holds; leave its cursor alone.
        if (values_[i]->text() != group.values[i].text())
            values_[i]->setText(group.values[i].text());
        rawTotals_[i]->setText(group.rawTotals ? QString::number((*group.rawTotals)[i]) : QString());
    }
}

} // namespace tessaly
