// SPDX-License-Identifier: MIT
#include "gui/ResultPanel.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "app/SharedState.h"

namespace ribcraft {

namespace {

QLabel* caption(const char* text, const char* name, QWidget* parent) {
    auto* l = new QLabel(QString::fromUtf8(text), parent);
    l->setObjectName(QString::fromUtf8(name));
    return l;
}

QLineEdit* box(const char* name, bool readOnly, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromUtf8(name));
    e->setReadOnly(readOnly);
    return e;
}

QLabel* value(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromUtf8(name));
    l->setFrameShape(QFrame::StyledPanel);
    l->setMinimumWidth(80);
    return l;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

ResultPanel::ResultPanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("panDisplay"));
    setFrameShape(QFrame::StyledPanel);
    auto* g = new QGridLayout(this);
    int r = 0;
    auto* inputs = caption("Inputs", "Label18", this);
    inputs->setStyleSheet(QStringLiteral("font-weight: bold"));
    g->addWidget(inputs, r++, 0, 1, 2);
    g->addWidget(caption("Airfoil", "Label1", this), r, 0);
    g->addWidget(Text1 = box("Text1", false, this), r++, 1);
    g->addWidget(caption("Angle", "Label6", this), r, 0);
    g->addWidget(Text2 = box("Text2", false, this), r++, 1);
    g->addWidget(Text5 = box("Text5", true, this), r++, 1);
    g->addWidget(caption("Flap Length", "Label14", this), r, 0);
    g->addWidget(Label17 = value("Label17", this), r++, 1);
    g->addWidget(caption("Flap Defl.", "Label15", this), r, 0);
    g->addWidget(Label16 = value("Label16", this), r++, 1);
    auto* results = caption("Results", "Label19", this);
    results->setStyleSheet(QStringLiteral("font-weight: bold"));
    g->addWidget(results, r++, 0, 1, 2);
    g->addWidget(caption("Cl", "Label3", this), r, 0);
    g->addWidget(Text3 = box("Text3", true, this), r++, 1);
    g->addWidget(caption("Cm(l.e.)", "Label4", this), r, 0);
    g->addWidget(Text4 = box("Text4", true, this), r++, 1);
    g->addWidget(caption("Cm (c/4)", "Label8", this), r, 0);
    g->addWidget(Label11 = value("Label11", this), r++, 1);
    g->addWidget(caption("Angle (Cl=0)", "Label9", this), r, 0);
    g->addWidget(Label12 = value("Label12", this), r++, 1);
    g->addWidget(caption("Cent. of Pres.", "Label10", this), r, 0);
    g->addWidget(Label13 = value("Label13", this), r++, 1);
    g->addWidget(caption("Cd", "Label21", this), r, 0);
    g->addWidget(Label20 = value("Label20", this), r++, 1);
    Label22 = caption("Airfoil Stalled", "Label22", this);
    Label22->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    Label22->setVisible(false);
    g->addWidget(Label22, r++, 0, 1, 2);
    g->setRowStretch(r, 1);
    setToolTip(QStringLiteral("Double-click the results for the coefficients dialog"));
    connect(Text2, &QLineEdit::returnPressed, this, &ResultPanel::angleEntered);
}

void ResultPanel::showTexts(const PanelTexts& t) {
    Text1->setText(q(t.SectionName));
    Text2->setText(q(t.AngleText));
    Text5->setText(q(t.AngleDisplay));
    Label16->setText(q(t.FlapDeflectionText));
    Label17->setText(q(t.FlapLengthText));
    Text3->setText(q(t.LiftText));
    Text4->setText(q(t.CmLeText));
    Label11->setText(q(t.CmC4Text));
    Label12->setText(q(t.AlphaCl0Text));
    Label13->setText(q(t.XcpText));
    Label20->setText(q(t.DragText));
    Label22->setVisible(t.Stalled);
}

void ResultPanel::readInputs(PanelTexts& t) const {
    t.SectionName = Text1->text().toStdString();
    t.AngleText = Text2->text().toStdString();
}

void ResultPanel::mouseDoubleClickEvent(QMouseEvent* e) {
    emit resultsDoubleClicked();
    QFrame::mouseDoubleClickEvent(e);
}

} // namespace ribcraft
