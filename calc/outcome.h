// What one click of a calculator screen shows, in order: messages, the new
// answer line (when the click changes it), then messages that follow the
// answer.
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace calc {

struct Outcome {
    QStringList messages;
    std::optional<QString> answer;
    QStringList messagesAfter;
};

}  // namespace calc
