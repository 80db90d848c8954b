// SPDX-License-Identifier: MIT
#pragma once
// The input/result panel panDisplay of the main window.
//
// Control   Meaning
// Label18   heading "Inputs"
// Label1    "Airfoil"; Text1 the section name box (editable)
// Label6    "Angle"; Text2 the angle of attack box (Enter redraws); Text5 the angle display
// Label14   "Flap Length"; Label17 the flap length display ("0.0 %c")
// Label15   "Flap Defl."; Label16 the flap deflection display ("0.0 Deg.")
// Label19   heading "Results"
// Label3    "Cl"; Text3 the lift coefficient display
// Label4    "Cm(l.e.)"; Text4 the moment coefficient display
// Label8    "Cm (c/4)"; Label11 its value
// Label9    "Angle (Cl=0)"; Label12 its value
// Label10   "Cent. of Pres."; Label13 its value
// Label21   "Cd"; Label20 the drag coefficient ("0.0000" at start)
// Label22   "Airfoil Stalled" warning, shown only when the section is stalled

#include <QFrame>

class QLabel;
class QLineEdit;

namespace ribcraft {
struct PanelTexts;

class ResultPanel : public QFrame {
    Q_OBJECT
public:
    explicit ResultPanel(QWidget* parent = nullptr);

    // Shows the texts of the core; the two editable boxes are written too.
    void showTexts(const PanelTexts& t);
    // Reads the two editable boxes back into the core's texts.
    void readInputs(PanelTexts& t) const;

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text5 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QLabel *Label11 = nullptr, *Label12 = nullptr, *Label13 = nullptr, *Label16 = nullptr, *Label17 = nullptr,
           *Label20 = nullptr, *Label22 = nullptr;

signals:
    // Enter in the angle box.
    void angleEntered();
    // A double click on the results: opens the coefficients dialog.
    void resultsDoubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

} // namespace ribcraft
