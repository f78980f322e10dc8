#pragma once
// One run of the program as a user makes it, in a fresh process: the plan
// opened from the command line, the main window and the duty plan editor
// shown, the plan saved, the program ended.

namespace velmor::testy {

// `folder` holds the program's folders; gives 0 when the plan was saved.
int Cykl(const char* plan, const char* folder);

}  // namespace velmor::testy
