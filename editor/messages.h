// The editor's words for the case's fields and faults: the caption of every
// field as the forms show it ("Spännvidd fack 2", "Egentyngd (kN/m2)"), the
// Swedish text of a fault that the case file layout finds in a value, and
// the message lines of the engine's console.
#pragma once

#include <QString>
#include <string>

#include "core/input_case.h"

namespace kvop::editor {

// A field of the case as the user knows it: its caption and the object name
// of the input form's control that holds it (empty when the field is edited
// in an auxiliary form: line loads, drifts, snow pocket, diaphragm data).
struct FieldRef {
  QString caption;
  QString control;
};

// The caption of an input form control by its object name ("spv3",
// "upl0", "egt"); empty for a name the form does not have.
QString control_caption(const QString& control);

// The field named by the case file layout ("spv(3)", "egentyngd",
// "vind(2)", "linjfack(2)") for the case `in` (roof and wall name their wind
// values differently).  An unknown name gives itself as caption.
FieldRef case_field(const std::string& field, const InputCase& in);

// The Swedish reason of a fault text of the case file layout ("span 3 is
// outside 1..2" gives "fack 3 finns inte (1 till 2)").  A reason it does
// not know gives a general text, never the English one.
QString fault_reason(const std::string& what);

// The message for a case that cannot be written: "field: reason" as the case
// file layout reports it, with the field's caption.  `control` receives the
// control to focus (may be empty).
QString write_fault_message(const std::string& fault, const InputCase& in,
                            QString* control = nullptr);

// The message for a case file that cannot be read: its name, the line and
// the field's caption with the reason.
QString read_fault_message(const QString& file, int line, const std::string& field,
                           const std::string& what);

// The lines of the engine's console that say something: without empty lines,
// the progress line and the prompt for a key.  Input faults that the
// engine reports in its own terms are given in Swedish with the caption.
QString engine_messages(const QString& console);

// The warning at start when the data directory of `program_dir` holds no
// readable profile database, naming the places looked at; empty when it
// holds one.
QString database_warning(const QString& program_dir);

}  // namespace kvop::editor
