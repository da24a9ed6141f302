#include "Session.h"

namespace tessaly {

bool Session::testTaken() const { return answers_.most(1).has_value() && answers_.most(16).has_value(); }

void Session::selectMark(MarkColumn column, int box, int row)
{
    if (column == MarkColumn::Most)
        answers_.selectMost(box, row);
    else
        answers_.selectLeast(box, row);
    Q_EMIT changed(screenOf(screenOfBox(box)));
}

void Session::selectSampleMark(MarkColumn column, int row)
{
    sampleBox_.select(column, row);
    Q_EMIT changed(ScreenId::Intro);
}

void Session::setUserName(const QString& name)
{
    yourColors_.userName = name;
    printableColors_.userName = name;
    Q_EMIT changed(ScreenId::Yourcolor1);
    Q_EMIT changed(ScreenId::Printcolor);
}

void Session::setYourColorsName(const QString& text)
{
    yourColors_.userName = text;
    Q_EMIT changed(ScreenId::Yourcolor1);
}

void Session::setStrengthValue(Color color, const StrengthValue& value)
{
    StrengthValue& held = strengthCircle_.values[indexOf(color)];
    if (held == value)
        return;
    held = value;
    Q_EMIT changed(ScreenId::Graph1);
}

void Session::publishPartOne(const ColorValues& raw)
{
    partTwo_.partOneTotals = raw;
    Q_EMIT changed(ScreenId::quiz2);
}

void Session::publishScores(const ColorScores& scores)
{
    strengthCircle_.rawTotals = scores.raw;
    for (const auto c : kColors)
        strengthCircle_.values[indexOf(c)] = StrengthValue(scores.value[indexOf(c)]);
    yourColors_.values = scores.value;
    yourColors_.firstCircle = printableColors_.firstCircle = scores.colors.first;
    yourColors_.secondCircle = printableColors_.secondCircle = scores.colors.second;
    Q_EMIT changed(ScreenId::Graph1);
    Q_EMIT changed(ScreenId::Yourcolor1);
    Q_EMIT changed(ScreenId::Printcolor);
}

void Session::resetOwnedBy(ScreenId owner)
{
    switch (owner) {
    case ScreenId::quiz:
        answers_.resetScreen(QuizScreen::Quiz);
        break;
    case ScreenId::quiz2:
        answers_.resetScreen(QuizScreen::Quiz2);
        partTwo_ = {};
        break;
    case ScreenId::Graph1:
        strengthCircle_ = {};
        break;
    case ScreenId::Yourcolor1:
        yourColors_ = {};
        break;
    case ScreenId::Printcolor:
        printableColors_ = {};
        break;
    case ScreenId::Intro:
        sampleBox_ = {};
        break;
    default:
        return; // the other screens own no session fields
    }
    Q_EMIT changed(owner);
}

} // namespace tessaly
