#pragma once
// The brew edit form (UpdateBrews): how a browse asks for a brew to be added, changed, deleted or
// viewed. The form works on the caller's store handle and current-row buffer.

#include "screens/windowing/browseformlogic.h"

class QWidget;
class BrewsTable;
class Prompter;
struct BrewRecord;

// Runs the edit form modally over `parent` for `request`; every message goes through `prompter`.
// - Insert: `buffer` arrives as the seed (an empty record for a new brew, the selected brew's values for
//   a copy). The form reserves the record and batch numbers through `handle` before it shows itself and
//   removes the reserved row again when the user abandons the form.
// - Change, View: `buffer` holds the selected brew as read through `handle`; View saves nothing.
// - Delete: asks "Confirm Delete", then deletes the brew in `buffer`.
// Returns true when the request was completed: the row was written (`buffer` then holds it as written,
// record number included, so the caller can highlight it) or deleted. Returns false when the user
// abandoned the request, when the store refused it, and when another edit form is already open (that
// one is brought to the front instead); `buffer` is then left as it came in.
bool runUpdateBrews(QWidget *parent, FormRequest request, BrewsTable &handle, BrewRecord &buffer, Prompter &prompter);
