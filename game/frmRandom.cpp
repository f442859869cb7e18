#include "game/frmRandom.h"

#include "game/placement.h"
#include "model/levelcode.h"
#include "model/randomlevel.h"
#include "ui/buttonkeys.h"
#include "ui/userdialogs.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <algorithm>

namespace quill {
namespace {

// The number box of Exactly. It keeps what the player types, a number
// outside the deal range or nothing at all, for Play to refuse, where a
// plain spin box would put back the last number it allowed and deal that.
// Its arrows keep to the deal range.
class StepsBox : public QSpinBox {
public:
    static constexpr int kEmpty = -1;

    StepsBox(const DealRange& range, QWidget* parent) : QSpinBox(parent), range_(range)
    {
        setRange(kEmpty, 999);
    }

    QValidator::State validate(QString& text, int& pos) const override
    {
        const QString typed = number(text);
        if (typed.isEmpty())
            return QValidator::Acceptable;
        // A sign would make numbers the box cannot hold, and puts back.
        if (!typed.front().isDigit())
            return QValidator::Invalid;
        return QSpinBox::validate(text, pos);
    }

    void stepBy(int steps) override
    {
        const int from = value() == kEmpty ? range_.fewest - steps : value();
        setValue(std::clamp(from + steps, range_.fewest, range_.most));
        selectAll();
    }

protected:
    int valueFromText(const QString& text) const override
    {
        return number(text).isEmpty() ? kEmpty : QSpinBox::valueFromText(text);
    }

    QString textFromValue(int value) const override
    {
        return value == kEmpty ? QString() : QSpinBox::textFromValue(value);
    }

    StepEnabled stepEnabled() const override
    {
        StepEnabled enabled = StepNone;
        if (value() < range_.most)
            enabled |= StepUpEnabled;
        if (value() == kEmpty || value() > range_.fewest)
            enabled |= StepDownEnabled;
        return enabled;
    }

private:
    // The digits of a text as the box shows it, without its unit.
    QString number(QString text) const
    {
        if (!suffix().isEmpty() && text.endsWith(suffix()))
            text.chop(suffix().size());
        return text.trimmed();
    }

    DealRange range_;
};

}  // namespace

std::array<frmRandom::Preset, 4> frmRandom::presets()
{
    return {{{tr("&Easy", "Random Level dialog"), 15},
             {tr("&Medium", "Random Level dialog"), 40},
             {tr("&Hard", "Random Level dialog"), 70},
             {tr("Hardes&t", "Random Level dialog"), dealRange().most}}};
}

QString frmRandom::Title()
{
    return tr("Quillmere - Random Level");
}

frmRandom::frmRandom(QWidget* owner, const std::optional<DealtLevel>& last)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmRandom"));
    setWindowTitle(Title());
    setModal(true);
    const DealRange range = dealRange();

    auto* grid = new QGridLayout;
    auto* question = new QLabel(tr("Deal a level that takes, at the fewest:"), this);
    grid->addWidget(question, 0, 0, 1, 3);
    int row = 1;
    for (std::size_t k = 0; k < optPreset.size(); ++k) {
        const Preset preset = presets()[k];
        optPreset[k] = new QRadioButton(
            tr("%1: %n steps", "Random Level dialog", preset.steps).arg(preset.caption), this);
        optPreset[k]->setObjectName(QStringLiteral("optPreset%1").arg(k));
        grid->addWidget(optPreset[k], row++, 0, 1, 3);
    }
    optExact = new QRadioButton(tr("E&xactly:", "Random Level dialog"), this);
    optExact->setObjectName(QStringLiteral("optExact"));
    spnSteps = new StepsBox(range, this);
    spnSteps->setObjectName(QStringLiteral("spnSteps"));
    const QString bounds = tr("%1 to %2", "range of steps").arg(range.fewest).arg(range.most);
    spnSteps->setAccessibleName(tr("Exact number of fewest steps, %1").arg(bounds));
    grid->addWidget(optExact, row, 0);
    grid->addWidget(spnSteps, row, 1);
    grid->addWidget(new QLabel(tr("(%1)", "range of steps").arg(bounds), this), row++, 2);

    optCode = new QRadioButton(tr("Level &code:", "Random Level dialog"), this);
    optCode->setObjectName(QStringLiteral("optCode"));
    txtCode = new QLineEdit(this);
    txtCode->setObjectName(QStringLiteral("txtCode"));
    txtCode->setAccessibleName(tr("Level code to play"));
    txtCode->setPlaceholderText(tr("such as GGXT-4AN"));
    txtCode->setMaxLength(20);
    grid->addWidget(optCode, row, 0);
    grid->addWidget(txtCode, row++, 1, 1, 2);

    auto* lastLabel = new QLabel(tr("Last level:", "Random Level dialog"), this);
    txtLast = new QLineEdit(last ? last->code : QString(), this);
    txtLast->setObjectName(QStringLiteral("txtLast"));
    txtLast->setReadOnly(true);
    txtLast->setAccessibleName(tr("Code of the last random level"));
    txtLast->setPlaceholderText(tr("none yet"));
    lastLabel->setBuddy(txtLast);
    cmdCopy = new QPushButton(tr("C&opy", "Random Level dialog"), this);
    cmdCopy->setObjectName(QStringLiteral("cmdCopy"));
    cmdCopy->setAccessibleName(tr("Copy the code of the last level"));
    cmdCopy->setEnabled(last.has_value());
    grid->addWidget(lastLabel, row, 0);
    grid->addWidget(txtLast, row, 1);
    grid->addWidget(cmdCopy, row++, 2);

    cmdPlay = new QPushButton(tr("&Play", "Random Level dialog"), this);
    cmdPlay->setObjectName(QStringLiteral("cmdPlay"));
    cmdCancel = new QPushButton(tr("Cancel", "Random Level dialog"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    for (QPushButton* button : {cmdCopy, cmdPlay, cmdCancel})
        button->setAutoDefault(false);
    // Enter in the code box or on a choice plays.
    cmdPlay->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdPlay);
    buttons->addWidget(cmdCancel);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The choice follows what the player sets.
    connect(spnSteps, &QSpinBox::valueChanged, optExact, [this] { optExact->setChecked(true); });
    const auto showUnit = [this](int steps) {
        spnSteps->setSuffix(steps == 1 ? tr(" step") : tr(" steps"));
    };
    connect(spnSteps, &QSpinBox::valueChanged, spnSteps, showUnit);
    connect(txtCode, &QLineEdit::textEdited, optCode, [this] { optCode->setChecked(true); });
    connect(cmdPlay, &QPushButton::clicked, this, &frmRandom::cmdPlay_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdCopy, &QPushButton::clicked, this, &frmRandom::cmdCopy_Click);

    // It opens on the choice of the last level: its preset, or its number.
    const int lastSteps = last ? last->steps : presets()[1].steps;
    spnSteps->setValue(lastSteps);
    showUnit(lastSteps);
    QRadioButton* initial = optExact;
    for (std::size_t k = 0; k < optPreset.size(); ++k) {
        if (presets()[k].steps == lastSteps)
            initial = optPreset[k];
    }
    initial->setChecked(true);
    initial->setFocus();

    adjustSize();
    centreOnOwner(this, owner);
}

bool frmRandom::Play(QWidget* owner, GameSession& session)
{
    frmRandom chooser(owner, session.lastRandomLevel());
    return chooser.exec() == QDialog::Accepted && chooser.chosen_ && session.StartRandom(*chooser.chosen_);
}

void frmRandom::cmdPlay_Click()
{
    if (optCode->isChecked()) {
        const LevelCodeReading reading = readLevelCode(txtCode->text());
        if (!reading.ok()) {
            userDialogs().message(this, Title(), reading.problem, UserDialogs::Icon::Exclamation,
                                  UserDialogs::Buttons::Ok);
            txtCode->setFocus();
            txtCode->selectAll();
            return;
        }
        chosen_ = reading.start;
    } else {
        int steps = spnSteps->value();
        for (std::size_t k = 0; k < optPreset.size(); ++k) {
            if (optPreset[k]->isChecked())
                steps = presets()[k].steps;
        }
        const std::optional<DealtLevel> dealt = dealLevel(steps);
        if (!dealt) {
            const DealRange range = dealRange();
            userDialogs().message(this, Title(),
                                  tr("Please type a number of steps from %1 to %2.")
                                      .arg(range.fewest)
                                      .arg(range.most),
                                  UserDialogs::Icon::Exclamation, UserDialogs::Buttons::Ok);
            spnSteps->setFocus();
            spnSteps->selectAll();
            return;
        }
        chosen_ = dealt->start;
    }
    accept();
}

void frmRandom::cmdCopy_Click()
{
    QGuiApplication::clipboard()->setText(txtLast->text());
}

void frmRandom::keyPressEvent(QKeyEvent* event)
{
    if (pressFocusedButton(this, event))
        return;
    QDialog::keyPressEvent(event);
}

}  // namespace quill
