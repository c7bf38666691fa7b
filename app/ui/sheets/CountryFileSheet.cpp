#include "app/ui/sheets/CountryFileSheet.h"

#include "app/map/CountryData.h"
#include "app/ui/sheets/SheetParts.h"
#include "app/ui/style/LocaleText.h"
#include "app/ui/style/PlainText.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

CountryFileSheet::CountryFileSheet(CountryData& countries, QWidget* parent)
    : QDialog(parent)
    , m_countries(countries)
{
    setWindowTitle(tr("Country File"));
    m_version = PlainText::label({}, this);
    m_version->setAccessibleName(tr("Country file version"));
    m_origin = PlainText::label({}, this);
    m_origin->setWordWrap(true);
    m_origin->setAccessibleName(tr("Country file in use"));
    m_result = PlainText::label({}, this);
    m_result->setWordWrap(true);
    m_result->setAccessibleName(tr("Country file load result"));
    auto* load =
        SheetParts::button(tr("Load country file…"),
                           tr("Read a newer cty.csv or cty.dat; a file that does not read changes nothing."), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(SheetParts::title(tr("Country file"), this));
    layout->addWidget(m_version);
    layout->addWidget(m_origin);
    layout->addWidget(SheetParts::note(tr("Call signs and prefixes are placed with this file. Newer files are "
                                          "published monthly; a loaded file is kept in the program's data folder "
                                          "and used from then on."),
                                       this));
    layout->addWidget(load, 0, Qt::AlignLeft);
    layout->addWidget(m_result);
    layout->addWidget(buttons);

    connect(load, &QPushButton::clicked, this, &CountryFileSheet::chooseFile);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_countries, &CountryData::changed, this, &CountryFileSheet::refresh);
    refresh();
}

CountryFileSheet::~CountryFileSheet() = default;

void CountryFileSheet::loadChosen(const QString& path)
{
    const QString problem = m_countries.loadUserFile(path);
    m_result->setText(problem.isEmpty() ? tr("Loaded; the copy is kept for later starts.")
                                        : tr("Nothing changed: %1").arg(problem));
    m_result->setAccessibleDescription(m_result->text());
}

void CountryFileSheet::chooseFile()
{
    // A sheet of its own, answered later: no nested event loop while the client runs.
    auto* dialog = new QFileDialog(this, tr("Load Country File"), QString(),
                                   tr("Country files (*.csv *.dat *.CSV *.DAT);;All files (*)"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    connect(dialog, &QFileDialog::fileSelected, this, &CountryFileSheet::loadChosen);
    dialog->open();
}

void CountryFileSheet::refresh()
{
    const CountryFile* countries = m_countries.countries();
    m_version->setText(countries ? CountryData::versionText(*countries, QDate::currentDate()) : tr("No country file"));
    m_version->setAccessibleDescription(m_version->text());
    QString origin;
    if (!countries) {
        origin = m_countries.problem();
    } else if (m_countries.usesKeptCopy()) {
        origin = tr("A loaded copy: %1").arg(m_countries.origin());
    } else {
        origin = tr("Installed file: %1").arg(m_countries.origin());
    }
    if (countries) {
        origin += u'\n' + tr("%1 countries, %2 prefixes and calls")
                              .arg(LocaleText::count(countries->entities().size()),
                                   LocaleText::count(countries->prefixCount() + countries->exactCallCount()));
    }
    m_origin->setText(origin);
    m_origin->setAccessibleDescription(origin);
}
