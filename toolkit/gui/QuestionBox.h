#pragma once

#include <QString>
#include <functional>

namespace toolkit {

// A modal question with "Ja" and "Nein", for the few places where the answer matters
// (replacing or deleting what the user saved). True for "Ja".
bool askYesNo(const QString& text, const QString& title);

// Test seam: while an answerer is installed, it answers in place of the box.
using QuestionAnswerer = std::function<bool(const QString& text)>;
void installQuestionAnswerer(QuestionAnswerer answerer);
void removeQuestionAnswerer();

} // namespace toolkit
