#include "FontStandIns.h"
#include "Form.h"
#include "Harness.h"

#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>

#include <set>

using namespace tessaly;
using namespace tessaly::testing;
using enum ScreenId;

namespace {

// A text as its control draws it: the area it is laid out in, the flags it is drawn with, and
// the part of the control its letters may use (all but a button's bevel), in the control's own
// coordinates.
struct DrawnText {
    QWidget* control;
    QString text;
    QRect area;
    int flags;
    QRect free;
};

std::vector<DrawnText> textsOf(QWidget* window)
{
    std::vector<DrawnText> texts;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
            texts.push_back(
                {label, label->text(), label->contentsRect(), int(label->alignment()) | wrap, label->contentsRect()});
        } else if (auto* button = qobject_cast<QPushButton*>(w); button && !button->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int bevel = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
            texts.push_back({button, button->text(), area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                             button->rect().adjusted(bevel, bevel, -bevel, -bevel)});
        } else if (auto* radio = dynamic_cast<CaptionLeftRadio*>(w)) {
            texts.push_back(
                {radio, radio->text(), radio->captionRect(), CaptionLeftRadio::kCaptionFlags, radio->rect()});
        }
    }
    return texts;
}

std::string describe(const DrawnText& t)
{
    return t.control->objectName().toStdString() + " \"" + t.text.toStdString() + "\"";
}

QRect laidOut(const DrawnText& t) { return QFontMetrics(t.control->font()).boundingRect(t.area, t.flags, t.text); }

// The screen's pixels a text inks when drawn at the screen's resolution, unclipped when
// `margin` leaves room around the control, in the control's device pixels.
std::vector<QPoint> inkPixels(const DrawnText& t, int margin = 0)
{
    const qreal ratio = t.control->devicePixelRatioF();
    QImage image(((t.control->size() + QSize(2 * margin, 2 * margin)) * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(t.control->font());
    painter.drawText(t.area.translated(margin, margin), t.flags, t.text);
    painter.end();
    const QPoint origin = onDevice(QRect(margin, margin, 1, 1), ratio).topLeft();
    std::vector<QPoint> ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink.emplace_back(QPoint(x, y) - origin);
        }
    }
    return ink;
}

// Every device pixel the text inks when drawn unclipped.
QRect inkOf(const DrawnText& t)
{
    QRect ink;
    for (const QPoint& p : inkPixels(t, 100))
        ink |= QRect(p, QSize(1, 1));
    return ink;
}

// Every letter whole: inside the part of the control it may use. The control clips what its
// text inks beyond it; a button's bevel would cross it.
::testing::AssertionResult keepsItsLetters(const DrawnText& t)
{
    const QRect free = onDevice(t.free, t.control->devicePixelRatioF());
    const QRect ink = inkOf(t);
    if (free.contains(ink))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << describe(t) << " loses letters: inked " << text(ink) << " in " << text(free)
                                         << " of the screen's pixels";
}

// What paints every pixel of its place, in the window's coordinates: buttons, fields, pictures
// and circles; of an option button only its circle. Lines are left out: they frame texts.
std::vector<std::pair<QWidget*, QRect>> solidsOf(QWidget* window)
{
    std::vector<std::pair<QWidget*, QRect>> solids;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || qobject_cast<QLabel*>(w) || !w->findChildren<QWidget*>().isEmpty()
            || isDecoration(w))
            continue;
        QRect place = w->rect();
        if (auto* radio = dynamic_cast<CaptionLeftRadio*>(w)) {
            place = radio->circleRect();
        } else if (auto* plain = qobject_cast<QRadioButton*>(w)) {
            QStyleOptionButton option;
            option.initFrom(plain);
            place = plain->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, plain);
        }
        solids.emplace_back(w, QRect(w->mapTo(window, place.topLeft()), place.size()));
    }
    return solids;
}

// Controls whose size in their screen's table cannot hold their text at its font, measured with
// the Linux fonts at their own size. Each still shows its text whole: the line boxes overrun,
// the letters do not.
struct Exception {
    ScreenId screen;
    const char* control;
    const char* reason;
};
// clang-format off
const Exception kExceptions[] = {
    {Yourcolor1, "Label2", "2655 units hold 4.8 lines of Times 24 pt; the last line's capital has no descender"},
    {Printcolor, "Label2", "the same banner as Your Colors"},
    {quiz, "Option10", "1215 units leave 61 px beside the circle; \"goodnatured\" needs 62 with its side bearing"},
    {quiz, "Option28", "1215 units leave 61 px beside the circle; \"conventional\" needs 62 with its side bearing"},
    {quiz, "Option82", "1215 units leave 61 px beside the circle; \"introspective\" needs 62 with its side bearing"},
    {quiz2, "most49", "1335 units leave 69 px beside the circle; \"argumentative\" needs 70 with its side bearing"},
};
// clang-format on

const Exception* exceptionFor(ScreenId id, const QWidget* control)
{
    for (const auto& e : kExceptions) {
        if (e.screen == id && control->objectName() == QLatin1String(e.control))
            return &e;
    }
    return nullptr;
}

#ifdef Q_OS_WIN
constexpr bool kLinuxFonts = false;
#else
constexpr bool kLinuxFonts = true;
#endif

class ReadableText : public Harness {
protected:
    void SetUp() override { expectTheRunsScale(); }

    // Shows every screen in turn and hands its window to `check`. Each screen is kept among the
    // run's artefacts as drawn, to be looked at.
    template <typename Check>
    void everyScreen(Check check)
    {
        const QString artifacts = qEnvironmentVariable("TESSALY_ARTIFACTS");
        if (!artifacts.isEmpty())
            QDir().mkpath(artifacts);
        const QString scale = QString::number(qRound(qGuiApp->devicePixelRatio() * 100));
        for (const auto& info : allScreens()) {
            SCOPED_TRACE(info.name.data());
            flow.show(info.id);
            QWidget* window = screen(info.id);
            check(info.id, window);
            if (!artifacts.isEmpty())
                window->grab().save(QStringLiteral("%1/%2-%3.png").arg(artifacts, scale, QLatin1String(info.name)));
            flow.hide(info.id);
        }
    }
};

} // namespace

TEST_F(ReadableText, EveryCaptionFitsItsArea)
{
    // The captions were fitted to the Linux fonts' line boxes, and the exceptions measured with
    // them at their own size. Elsewhere the letters count: a Windows style's buttons leave a
    // line box less room than its letters need.
    const bool measuredHere = kLinuxFonts && qGuiApp->devicePixelRatio() == 1;
    everyScreen([measuredHere](ScreenId id, QWidget* window) {
        for (const DrawnText& t : textsOf(window)) {
            EXPECT_TRUE(keepsItsLetters(t));
            const bool fits = t.area.contains(laidOut(t));
            if (const Exception* e = exceptionFor(id, t.control)) {
                // An exception that is no longer needed goes from the list.
                if (measuredHere) {
                    EXPECT_FALSE(fits) << describe(t) << " fits now: " << e->reason;
                }
            } else if (kLinuxFonts) {
                const QRect needed = laidOut(t);
                EXPECT_TRUE(fits) << describe(t) << " needs " << needed.width() << " x " << needed.height() << " in "
                                  << t.area.width() << " x " << t.area.height();
            }
        }
    });
}

TEST_F(ReadableText, NoTextTouchesAnotherControl)
{
    everyScreen([](ScreenId, QWidget* window) {
        // Which text inks each of the screen's pixels in the window, as painted: clipped to its
        // control.
        const qreal ratio = window->devicePixelRatioF();
        const QSize size = onDevice(window->rect(), ratio).size();
        std::vector<int> owner(static_cast<std::size_t>(size.width() * size.height()), -1);
        const auto at = [&](QPoint p) -> int& { return owner[static_cast<std::size_t>(p.y() * size.width() + p.x())]; };
        const QRect inside(QPoint(0, 0), size);
        const auto texts = textsOf(window);
        auto solids = solidsOf(window);
        for (auto& [solid, place] : solids)
            place = onDevice(place, ratio);
        // A pixel of air at least between a text and anything else, two at twice the size.
        const int air = int(2 * ratio);
        for (int i = 0; i < std::ssize(texts); ++i) {
            const DrawnText& t = texts[static_cast<std::size_t>(i)];
            const QRect own = onDevice(QRect(t.control->mapTo(window, QPoint(0, 0)), t.control->size()), ratio);
            std::set<std::string> touched;
            for (const QPoint& p : inkPixels(t)) {
                const QPoint pixel = own.topLeft() + p;
                const QRect around(pixel - QPoint(air, air), QSize(2 * air + 1, 2 * air + 1));
                for (const auto& [solid, place] : solids) {
                    if (solid != t.control && !solid->isAncestorOf(t.control) && !place.contains(own)
                        && place.intersects(around))
                        touched.insert(solid->objectName().toStdString());
                }
                for (int y = around.top(); y <= around.bottom(); ++y) {
                    for (int x = around.left(); x <= around.right(); ++x) {
                        if (!inside.contains(x, y) || at({x, y}) < 0 || at({x, y}) == i)
                            continue;
                        const DrawnText& u = texts[static_cast<std::size_t>(at({x, y}))];
                        // Letters set one by one spell a word and stand as close as letters do.
                        if (t.text.size() > 1 || u.text.size() > 1)
                            touched.insert(describe(u));
                    }
                }
                if (inside.contains(pixel))
                    at(pixel) = i;
            }
            for (const auto& other : touched)
                ADD_FAILURE() << describe(t) << " touches " << other;
        }
    });
}

TEST_F(ReadableText, WordsAreDrawnInTheFacesTheScreensName)
{
    // A face the system lacks is drawn by its metric-compatible stand-in, never by whatever
    // other face the system would offer for it: the captions were fitted to those metrics.
    const QStringList installed = QFontDatabase::families();
    const auto standInFor = [](const QString& face) {
        for (const auto& s : fontStandIns()) {
            if (s.face == face)
                return s.standIn;
        }
        return face;
    };
    struct Case {
        ScreenId id;
        const char* control;
        QString face;
    };
    const Case cases[] = {
        {frmSplash, "Label1", QStringLiteral("Times New Roman")},
        {frmSplash, "lblProductName", QStringLiteral("Arial")},
        {step1, "Command1", QStringLiteral("MS Sans Serif")},
        {redyellow, "Label1", QStringLiteral("Times New Roman")},
    };
    for (const auto& c : cases) {
        auto* control = screen(c.id)->findChild<QWidget*>(QString::fromLatin1(c.control));
        ASSERT_NE(control, nullptr) << c.control;
        EXPECT_EQ(QFontInfo(control->font()).family(), installed.contains(c.face) ? c.face : standInFor(c.face))
            << screenInfo(c.id).name << " " << c.control;
    }
}
