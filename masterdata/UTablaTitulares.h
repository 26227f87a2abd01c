#pragma once
#include <QDialog>
#include <QVariant>

class Grilla;
class Prompts;
class QPushButton;
class QTableView;
class TFMain;
class Td;

// The holders: their list with the additional data, the editing of those data and
// the delete of a holder with everything that belongs to it.
class TFTablaTitulares : public QDialog {
    Q_OBJECT
public:
    explicit TFTablaTitulares(TFMain& principal, QWidget* padre = nullptr);

    QWidget* Panel1;
    QPushButton* Button2;
    QPushButton* butEditarAdicionales;
    QTableView* SMDBGrid1;

    Grilla* grilla() const { return grilla_; }

    // Loads the holders query into the grid; the grid shows the first row.
    void abrirGrilla();

    void Button2Click();
    void butEditarAdicionalesClick();
    void SMDBGrid1TitleClick(int columna);

private:
    int filaActual() const;
    QVariant valorActual(const QString& campo) const;
    void reabrir();

    TFMain& principal_;
    Td& d_;
    Prompts& prompts_;
    Grilla* grilla_;
};

// The holders query with the names of both localities, ordered by name.
extern const QString kSqlTitulares;
