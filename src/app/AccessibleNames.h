#pragma once

namespace breezekit {

class TForm1;

// Gives every input that has no caption of its own the caption of its group, in the current language;
// run again after every change of language.
void nameInputsAfterCaptions(TForm1& form);

// Makes every PasswordEdit announce itself as a password field to assistive tools, while it keeps
// showing its text. Once per process; before the first query.
void announcePasswordFields();

} // namespace breezekit
