// SPDX-License-Identifier: MIT
#include "gui/Form7.h"

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

namespace {

// A frame holding a text box over a slider with its end labels.
QGroupBox* sliderFrame(QWidget* parent, const QString& title, QLineEdit*& box, const QString& boxName, QSlider*& slider,
                       const QString& sliderName, int lo, int hi, const QStringList& labels) {
    auto* frame = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(frame);
    box = new QLineEdit(frame);
    box->setObjectName(boxName);
    box->setMaximumWidth(70);
    slider = new QSlider(Qt::Horizontal, frame);
    slider->setObjectName(sliderName);
    slider->setRange(lo, hi);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(5);
    const int columns = int(labels.size());
    grid->addWidget(box, 0, 0, 1, columns, Qt::AlignHCenter);
    grid->addWidget(slider, 1, 0, 1, columns);
    for (int i = 0; i < columns; ++i) {
        const Qt::Alignment align = i == 0 ? Qt::AlignLeft : (i == columns - 1 ? Qt::AlignRight : Qt::AlignHCenter);
        grid->addWidget(new QLabel(labels[i], frame), 2, i, align);
    }
    return frame;
}

} // namespace

Form7::Form7(SharedState& state, QWidget* parent) : QDialog(parent), m_model(std::make_unique<FlapDialogModel>(state)) {
    setObjectName("Form7");
    setWindowTitle("Adjust Flap");
    setModal(true);
    auto* deflection = sliderFrame(this, "Flap Deflection (Degrees)", m_text2, "Text2", m_slider2, "Slider2",
                                   FlapDialogModel::DeflectionMin, FlapDialogModel::DeflectionMax, {"-30", "0", "30"});
    auto* length = sliderFrame(this, "Flap Length (%Chord)", m_text1, "Text1", m_slider1, "Slider1",
                               FlapDialogModel::LengthMin, FlapDialogModel::LengthMax, {"0", "50%"});

    auto edited = [this](void (FlapDialogModel::*rule)(std::string_view)) {
        return [this, rule](const QString& text) {
            ((*m_model).*rule)(text.toStdString());
            showModel();
        };
    };
    connect(m_text1, &QLineEdit::textEdited, this, edited(&FlapDialogModel::lengthTextChanged));
    connect(m_text2, &QLineEdit::textEdited, this, edited(&FlapDialogModel::deflectionTextChanged));
    connect(m_slider1, &QSlider::valueChanged, this, [this](int position) {
        m_model->lengthSliderMoved(position);
        showModel();
    });
    connect(m_slider2, &QSlider::valueChanged, this, [this](int position) {
        m_model->deflectionSliderMoved(position);
        showModel();
    });

    NumberBox(m_text1, false, true);
    NumberBox(m_text2, true, true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(deflection);
    layout->addWidget(length);
    layout->addLayout(CommandRow(
        this,
        [this] {
            if (!ShowCheck(this, m_model->check(), {{"FlapLength", m_text1}, {"FlapDeflection", m_text2}})) return;
            m_model->ok();
            accept();
        },
        [this] { reject(); }, [this] { ShowHelp(this, HelpContext, HelpFlap); }));
    showModel();
    adjustSize();
    CentreOverParent(this);
}

Form7::~Form7() = default;

void Form7::showModel() {
    ShowText(m_text1, m_model->lengthText());
    ShowText(m_text2, m_model->deflectionText());
    const QSignalBlocker block1(m_slider1);
    const QSignalBlocker block2(m_slider2);
    m_slider1->setValue(m_model->lengthSlider());
    m_slider2->setValue(m_model->deflectionSlider());
}

void Form7::reject() {
    m_model->cancel();
    QDialog::reject();
}

} // namespace ribcraft
