#pragma once

#include "AnswerSheet.h"
#include "Color.h"
#include "Scoring.h"
#include "ScreenId.h"
#include "StrengthValues.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace tessaly {

// What one run holds, grouped by the screen that owns each field. Throwing a screen
// away resets exactly its group. Scores are numbers, none until the scoring has run; the
// value boxes hold their text, exactly as the scoring or the person left it, with its number.
class Session : public QObject {
    Q_OBJECT

public:
    // quiz owns the marks of boxes 1 to 15, quiz2 those of boxes 16 to 28.
    struct PartTwo {
        std::optional<ColorValues> partOneTotals;
    };
    struct StrengthCircle {
        StrengthValues values; // the coloured value boxes, editable by the user
        std::optional<ColorValues> rawTotals;
    };
    struct YourColors {
        QString userName = "Text1";
        std::optional<ColorValues> values;
        std::optional<Color> firstCircle; // none: still black
        std::optional<Color> secondCircle;
    };
    struct PrintableColors {
        QString userName = "ME";
        std::optional<Color> firstCircle;
        std::optional<Color> secondCircle;
    };

    const AnswerSheet& answers() const { return answers_; }
    const BoxMarks& sampleBox() const { return sampleBox_; }
    const PartTwo& partTwo() const { return partTwo_; }
    const StrengthCircle& strengthCircle() const { return strengthCircle_; }
    const YourColors& yourColors() const { return yourColors_; }
    const PrintableColors& printableColors() const { return printableColors_; }

    // True once boxes 1 and 16 both have a Most mark: the only sign that the
    // questionnaire has been taken.
    bool testTaken() const;

    void selectMark(MarkColumn column, int box, int row);
    void selectSampleMark(MarkColumn column, int row);
    // The name entry writes the name onto Your Colors and the printable sheet alike.
    void setUserName(const QString& name);
    // Typing into Your Colors' own name field changes that field only.
    void setYourColorsName(const QString& text);
    // Changes the session only when the value differs from what it holds.
    void setStrengthValue(Color color, const StrengthValue& value);
    void publishPartOne(const ColorValues& raw);
    void publishScores(const ColorScores& scores);

    // Resets the fields a screen owns, as when that screen is thrown away.
    void resetOwnedBy(ScreenId owner);

Q_SIGNALS:
    void changed(tessaly::ScreenId owner);

private:
    AnswerSheet answers_;
    BoxMarks sampleBox_;
    PartTwo partTwo_;
    StrengthCircle strengthCircle_;
    YourColors yourColors_;
    PrintableColors printableColors_;
};

} // namespace tessaly
