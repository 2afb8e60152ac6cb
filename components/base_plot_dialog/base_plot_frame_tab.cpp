// Base_Plot_Frame_Tab: the frame settings of a plot screen.
#include <interfaces/base_plot_frame_tab.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A text field with the button that shows and chooses its font.
struct TextSetting
{
    QLineEdit *edit = nullptr;
    QPushButton *fontButton = nullptr;
    QFont font;
};

QString describeFont(const QFont &font)
{
    const QString size = font.pointSizeF() > 0
                             ? Base_Plot_Frame_Tab::tr("%1 pt").arg(font.pointSizeF())
                             : Base_Plot_Frame_Tab::tr("%1 px").arg(font.pixelSize());
    return QStringLiteral("%1, %2").arg(font.family(), size);
}

} // namespace

struct Base_Plot_Frame_Tab::Private
{
    TextSetting title;
    TextSetting subtitle;
    TextSetting note;
    QCheckBox *showTitleBar = nullptr;
    QCheckBox *showNote = nullptr;
    QCheckBox *condenseControls = nullptr;
    QCheckBox *showLegend = nullptr;
    QPushButton *colorButton = nullptr;
    QColor color = QColor(Qt::black);

    static void showFont(TextSetting &setting, const QFont &font)
    {
        setting.font = font;
        setting.fontButton->setText(describeFont(font));
    }

    void showColor(const QColor &value)
    {
        color = value;
        QPixmap swatch(24, 14);
        swatch.fill(value.isValid() ? value : QColor(Qt::transparent));
        colorButton->setIcon(QIcon(swatch));
        colorButton->setText(value.isValid() ? value.name() : Base_Plot_Frame_Tab::tr("(none)"));
    }
};

Base_Plot_Frame_Tab::Base_Plot_Frame_Tab(QWidget *parent)
    : QWidget(parent)
    , d(new Private)
{
    auto *texts = new QGroupBox(tr("Texts"), this);
    auto *textForm = new QFormLayout(texts);
    auto addText = [this, texts, textForm](TextSetting &setting, const QString &label,
                                           const QString &name) {
        setting.edit = new QLineEdit(texts);
        setting.edit->setObjectName(name + QStringLiteral("Edit"));
        setting.fontButton = new QPushButton(texts);
        setting.fontButton->setObjectName(name + QStringLiteral("FontButton"));
        // Return in the text beside it must not open the font chooser.
        setting.fontButton->setAutoDefault(false);
        setting.fontButton->setToolTip(tr("Choose the font of the %1").arg(label.toLower()));
        Private::showFont(setting, font());
        auto *row = new QHBoxLayout;
        row->addWidget(setting.edit, 1);
        row->addWidget(setting.fontButton);
        textForm->addRow(tr("%1:").arg(label), row);
        TextSetting *target = &setting;
        connect(setting.fontButton, &QPushButton::clicked, this, [this, target, label]() {
            QPointer<Base_Plot_Frame_Tab> self(this);
            bool ok = false;
            const QFont chosen =
                QFontDialog::getFont(&ok, target->font, this, tr("Select %1 Font").arg(label));
            if (self && ok)
                Private::showFont(*target, chosen);
        });
    };
    addText(d->title, tr("Title"), QStringLiteral("title"));
    addText(d->subtitle, tr("Subtitle"), QStringLiteral("subtitle"));
    addText(d->note, tr("Note"), QStringLiteral("note"));

    auto *display = new QGroupBox(tr("Display"), this);
    auto *displayLayout = new QVBoxLayout(display);
    auto addSwitch = [display, displayLayout](const QString &text, const QString &name) {
        auto *box = new QCheckBox(text, display);
        box->setObjectName(name);
        displayLayout->addWidget(box);
        return box;
    };
    d->showTitleBar = addSwitch(tr("Show Title Bar"), QStringLiteral("showTitleBarCheckBox"));
    d->showNote = addSwitch(tr("Show Note"), QStringLiteral("showNoteCheckBox"));
    d->condenseControls =
        addSwitch(tr("Condense Controls"), QStringLiteral("condenseControlsCheckBox"));
    d->showLegend = addSwitch(tr("Show Legend"), QStringLiteral("showLegendCheckBox"));

    auto *background = new QGroupBox(tr("Background"), this);
    auto *backgroundForm = new QFormLayout(background);
    d->colorButton = new QPushButton(background);
    d->colorButton->setObjectName(QStringLiteral("backgroundColorButton"));
    d->colorButton->setAutoDefault(false);
    d->colorButton->setToolTip(tr("Choose the background colour of the plot"));
    d->showColor(d->color);
    backgroundForm->addRow(tr("Background Colour:"), d->colorButton);
    connect(d->colorButton, &QPushButton::clicked, this, [this]() {
        QPointer<Base_Plot_Frame_Tab> self(this);
        const QColor chosen =
            QColorDialog::getColor(d->color, this, tr("Select Background Colour"));
        if (self && chosen.isValid())
            d->showColor(chosen);
    });

    auto *page = new QVBoxLayout(this);
    page->addWidget(texts);
    page->addWidget(display);
    page->addWidget(background);
    page->addStretch(1);
}

Base_Plot_Frame_Tab::~Base_Plot_Frame_Tab()
{
    delete d;
}

void Base_Plot_Frame_Tab::setTitle(QString const &title)
{
    d->title.edit->setText(title);
}

QString Base_Plot_Frame_Tab::getTitle() const
{
    return d->title.edit->text();
}

void Base_Plot_Frame_Tab::setTitleFont(QFont const &font)
{
    Private::showFont(d->title, font);
}

QFont Base_Plot_Frame_Tab::getTitleFont() const
{
    return d->title.font;
}

void Base_Plot_Frame_Tab::setSubtitle(QString const &subtitle)
{
    d->subtitle.edit->setText(subtitle);
}

QString Base_Plot_Frame_Tab::getSubtitle() const
{
    return d->subtitle.edit->text();
}

void Base_Plot_Frame_Tab::setSubtitleFont(QFont const &font)
{
    Private::showFont(d->subtitle, font);
}

QFont Base_Plot_Frame_Tab::getSubtitleFont() const
{
    return d->subtitle.font;
}

void Base_Plot_Frame_Tab::setNote(QString const &note)
{
    d->note.edit->setText(note);
}

QString Base_Plot_Frame_Tab::getNote() const
{
    return d->note.edit->text();
}

void Base_Plot_Frame_Tab::setNoteFont(QFont const &font)
{
    Private::showFont(d->note, font);
}

QFont Base_Plot_Frame_Tab::getNoteFont() const
{
    return d->note.font;
}

void Base_Plot_Frame_Tab::setShowTitleBar(bool show)
{
    d->showTitleBar->setChecked(show);
}

bool Base_Plot_Frame_Tab::getShowTitleBar() const
{
    return d->showTitleBar->isChecked();
}

void Base_Plot_Frame_Tab::setShowNote(bool show)
{
    d->showNote->setChecked(show);
}

bool Base_Plot_Frame_Tab::getShowNote() const
{
    return d->showNote->isChecked();
}

void Base_Plot_Frame_Tab::setCondenseControls(bool condense)
{
    d->condenseControls->setChecked(condense);
}

bool Base_Plot_Frame_Tab::getCondensedControls() const
{
    return d->condenseControls->isChecked();
}

void Base_Plot_Frame_Tab::setShowLegend(bool show)
{
    d->showLegend->setChecked(show);
}

bool Base_Plot_Frame_Tab::getShowLegend() const
{
    return d->showLegend->isChecked();
}

void Base_Plot_Frame_Tab::setColor(QColor const &color)
{
    d->showColor(color);
}

QColor Base_Plot_Frame_Tab::getColor() const
{
    return d->color;
}
