#pragma once

#include "components/KePanel.h"
#include "components/TranslatedTexts.h"
#include "engine/EngineHost.h"

class QLabel;
class QLineEdit;
class QString;

// Panel1: the three counters beside the well with their labels, 得点 (Score),
// 総数 (Kazu, pieces landed) and ４段抜 (Line4, four-row clears), at their
// fixed places in a 73 x 195 bevelled panel. The counters are read-only text
// boxes that neither take the focus nor accept input, each named by its label
// for assistive technology. Each control has its name as object name.
class CounterPanel : public TKePanel {
public:
    explicit CounterPanel(QWidget* parent);

    // Writes a counter's text and shows it at once.
    void ShowCounter(Counter which, const QString& text);
    // The text a counter shows.
    QString Text(Counter which) const;
    // The number a counter shows; 0 when it shows none.
    qint64 Count(Counter which) const;

protected:
    // A change of language shows the labels in the new one.
    void changeEvent(QEvent* event) override;

private:
    QLineEdit* Box(Counter which) const;

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Score;
    QLineEdit* Kazu;
    QLineEdit* Line4;
    TranslatedTexts Texts{"CounterPanel"};
};
