#include "ui/fields_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace logvane {
namespace {

// A sentence under its check box, indented to the box's text, wrapped at some sixty characters.
QLabel* explanation(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setIndent(24);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 60);
    return label;
}

} // namespace

FieldsDialog::FieldsDialog(FieldGroups chosen, QWidget* owner)
    : QDialog(owner)
    , contest(new QCheckBox(tr("Contest exchange"), this))
    , station(new QCheckBox(tr("My station"), this))
{
    setWindowTitle(tr("Fields to add"));
    setWindowModality(Qt::ApplicationModal);
    contest->setChecked(chosen.contest);
    station->setChecked(chosen.station);
    auto* const buttons
        = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* const layout = new QVBoxLayout(this);
    layout->addWidget(contest);
    layout->addWidget(explanation(tr("Adds to every record the serial numbers sent and received, "
                                     "the exchange sent and received, and the power from the "
                                     "log's header (STX, SRX, STX_STRING, SRX_STRING, TX_PWR)."),
        this));
    layout->addSpacing(8);
    layout->addWidget(station);
    layout->addWidget(explanation(tr("Adds to every record the call and the locator of your "
                                     "station from the log's header (STATION_CALLSIGN, "
                                     "MY_GRIDSQUARE)."),
        this));
    layout->addWidget(explanation(tr("Upload services compare these with the station location "
                                     "of your certificate: a portable call (/P) or another "
                                     "locator makes them ask, or refuse the log."),
        this));
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // each sentence as high as its lines
}

FieldGroups FieldsDialog::chosen() const
{
    return {contest->isChecked(), station->isChecked()};
}

} // namespace logvane
