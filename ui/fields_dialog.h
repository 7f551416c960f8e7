#pragma once

#include "conversion/field_groups.h"

#include <QDialog>

class QCheckBox;

namespace logvane {

// Asks which groups of fields to add to every record beyond the ten of the log: the contest
// exchange, and the user's own station, with what each adds and what an upload service makes of
// the second.
class FieldsDialog : public QDialog
{
    Q_OBJECT

public:
    FieldsDialog(FieldGroups chosen, QWidget* owner);

    FieldGroups chosen() const;

    QCheckBox* const contest;
    QCheckBox* const station;
};

} // namespace logvane
