#pragma once
// The checks "Obliczaj..." runs on the process-data form before a run may start.
//
// They run in a fixed order and every failing check contributes one message, so the user can
// see several at once; some checks are skipped once an earlier one has failed. The last check
// refuses values the computation cannot serve (empty steel data, ranges of the diffusivity
// law), naming the field and the allowed range.

#include "FileTable.h"
#include "MessageBox.h"
#include "ProcessForm.h"

#include <QList>

#include <string>

// The messages for the form in the order they are shown; the form passes when there are none.
// `outputName` is the name as typed; `inUse` is the in-use list as read just before.
QList<MessageRecord> checkForm(const ProcessForm& form, SampleShape shape,
                               const std::string& outputName, const TFileTable& inUse);
