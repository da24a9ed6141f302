#pragma once

#include "Printer.h"

#include <QPicture>
#include <QStringList>

#include <optional>
#include <vector>

namespace tessaly::testing {

// A printer that writes down every operation of every document, and can be told to fail
// at a given operation.
class RecordingPrinter final : public Printer {
public:
    struct Document {
        QString title;
        QStringList operations; // "line:<text>", "bold:on", "sector:<colour> <start> <end>", "screen", ...
        bool ended = false;
        std::vector<QPicture> screens; // the image of each "screen"
    };

    std::unique_ptr<PrinterPage> StartDoc(const QString& title) override;

    std::optional<int> failAtOperation; // counted over all documents, from 0
    std::vector<Document> documents;
    int operationCount = 0;
};

} // namespace tessaly::testing
