#pragma once

#include <QDialog>
#include <QPointer>

class CountryData;
class QLabel;

// The country file in use (where it came from, its version and age) and "Load country file…",
// which checks a newer cty.csv or cty.dat before anything changes.
class CountryFileSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CountryFileSheet)

public:
    // The data must outlive the sheet.
    explicit CountryFileSheet(CountryData& countries, QWidget* parent = nullptr);
    ~CountryFileSheet() override;

    // Loads the file as if the user had chosen it in the file dialog.
    void loadChosen(const QString& path);

private:
    void chooseFile();
    void refresh();

    CountryData& m_countries;
    QLabel* m_version = nullptr;
    QLabel* m_origin = nullptr;
    QLabel* m_result = nullptr;
};
