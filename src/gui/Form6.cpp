// SPDX-License-Identifier: MIT
#include "gui/Form6.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "app/dialogs/HelpContexts.h"
#include "gui/DialogParts.h"
#include "gui/HelpWindow.h"
#include "gui/Splash.h"

namespace ribcraft {

Form6::Form6(SharedState& state, QWidget* parent)
    : QDialog(parent), m_model(std::make_unique<AngleDialogModel>(state)) {
    setObjectName("Form6");
    setWindowTitle("Angle of Attack");
    setModal(true);
    auto* frame = new QGroupBox("AOA (Degrees)", this);
    frame->setObjectName("Frame1");
    auto* grid = new QGridLayout(frame);
    m_text1 = new QLineEdit(frame);
    m_text1->setObjectName("Text1");
    m_text1->setMaximumWidth(70);
    NumberBox(m_text1, true, true);
    m_slider1 = new QSlider(Qt::Horizontal, frame);
    m_slider1->setObjectName("Slider1");
    m_slider1->setRange(AngleDialogModel::SliderMin, AngleDialogModel::SliderMax);
    m_slider1->setTickPosition(QSlider::TicksBelow);
    m_slider1->setTickInterval(5);
    grid->addWidget(m_text1, 0, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(m_slider1, 1, 0, 1, 3);
    grid->addWidget(new QLabel("-20", frame), 2, 0, Qt::AlignLeft);
    grid->addWidget(new QLabel("0.0", frame), 2, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel("20", frame), 2, 2, Qt::AlignRight);

    connect(m_text1, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_model->textChanged(text.toStdString());
        showModel();
    });
    connect(m_slider1, &QSlider::valueChanged, this, [this](int position) {
        m_model->sliderMoved(position);
        showModel();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(CommandRow(
        this,
        [this] {
            if (!ShowCheck(this, m_model->check(), {{"Angle", m_text1}})) return;
            m_model->ok();
            accept();
        },
        [this] { reject(); }, [this] { ShowHelp(this, HelpContext, HelpAngle); }));
    showModel();
    adjustSize();
    CentreOverParent(this);
}

Form6::~Form6() = default;

void Form6::showModel() {
    ShowText(m_text1, m_model->text());
    const QSignalBlocker block(m_slider1);
    m_slider1->setValue(m_model->sliderPosition());
}

void Form6::reject() {
    m_model->cancel();
    QDialog::reject();
}

} // namespace ribcraft
