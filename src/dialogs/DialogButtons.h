// DialogButtons.h: the OK and Cancel buttons every dialog of the program
// shows, with the string table's texts and OK as the default button.
#pragma once

class QDialogButtonBox;

enum class DialogButtons { ok, okCancel };

// The box emits accepted() for OK and rejected() for Cancel.
QDialogButtonBox* makeDialogButtons(DialogButtons which);
