#pragma once

#include "AnswerSheet.h"
#include "Color.h"
#include "Scoring.h"
#include "ScreenId.h"
#include "ValueTexts.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>

namespace tessaly {

// What one run holds, grouped by the screen that owns each field. Throwing a screen
// away resets exactly its group. Texts that the rules read back are kept as text,
// exactly as the scoring or the user left them.
class Session : public QObject {
    Q_OBJECT

public:
    // quiz owns the marks of boxes 1 to 15, quiz2 those of boxes 16 to 28.
    struct PartTwo {
        ValueTexts partOneTotals{"Text1", "Text2", "Text3", "Text4"};
    };
    struct StrengthCircle {
        ValueTexts values; // the coloured value boxes, editable by the user
        ValueTexts rawTotals;
    };
    struct YourColors {
        QString userName = "Text1";
        ValueTexts values{"Text2", "Text3", "Text4", "Text5"};
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
    void setStrengthValue(Color color, const QString& text);
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

// Decimal text as the result fields hold it: "-2", "0", "27".
QString decimalText(int value);

} // namespace tessaly
