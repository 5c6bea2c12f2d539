// The winning-number entry on the real server: what it derives from the
// first triple, the special plays it offers, and what the server keeps or
// refuses when it saves.

#include "ventanassorteos.h"

#include "capturas.h"

#include "platform/messages.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace datossorteos;
using platform::ui::windowRegistry;

namespace {

class Form17Test : public ConVentanas {
protected:
    // A second special play on 001 (read after T1), with a detail.
    void especiales()
    {
        db_->exec(
            QStringLiteral("INSERT INTO jugadas (especial, desc_espec) VALUES ('Z2', 'ZODIACAL');"
                           "INSERT INTO jugadeta (especial, jugada, desc_jugada) VALUES ('Z2', '07', 'LEO');"
                           "INSERT INTO lotespec (cod_lot, especial) VALUES ('001', 'T1');"
                           "INSERT INTO lotespec (cod_lot, especial) VALUES ('001', 'Z2');"));
    }

    static draws::Form17* entrada() { return windowRegistry().get<draws::Form17>(QStringLiteral("Form17")); }

    static QStringList lista(const QListWidget* l)
    {
        QStringList textos;
        for (int i = 0; i < l->count(); ++i)
            textos << l->item(i)->text();
        return textos;
    }

    static void saleDe(QWidget* w)
    {
        QFocusEvent salida(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(w, &salida);
    }
};

} // namespace

TEST_F(Form17Test, TheFirstTripleDerivesTheTerminalsTheDigitAndTheGuides)
{
    struct Caso {
        const char* triple;
        const char* terminales; // first, second, digit
        const char* anterior;
        const char* siguiente;
    };
    const Caso casos[] = {
        {"123", "23|12|3", "22", "24"},  {"107", "07|10|7", "6", "8"},   {"100", "00|10|0", "-1", "1"},
        {"199", "99|19|9", "98", "100"}, {"*23", "23|*2|3", "22", "24"}, {"1*3", "*3|1*|3", "-1", "1"},
        {"12*", "2*|12|*", "1", "3"},
    };
    draws::Form17* e = entrada();
    ASSERT_TRUE(e);
    for (const Caso& c : casos) {
        e->Text2->setText(QLatin1String(c.triple));
        EXPECT_EQ(QStringList({e->Text5->text(), e->Text6->text(), e->Text1->text()}).join(u'|'),
                  QLatin1String(c.terminales))
            << c.triple;
        EXPECT_EQ(lista(e->List1), QStringList({e->Text5->text() + QStringLiteral(" -> Punta "),
                                                e->Text6->text() + QStringLiteral(" -> Cola ")}));
        EXPECT_EQ(lista(e->List2),
                  QStringList({e->Text5->text() + QStringLiteral(" -> 1er Premio"),
                               QLatin1String(c.anterior) + QStringLiteral(" -> Aproximado Anterior "),
                               QLatin1String(c.siguiente) + QStringLiteral(" -> Aproximado Siguiente ")}))
            << c.triple;
    }
    // Shortened, it derives nothing.
    e->Text2->setText(QStringLiteral("12"));
    EXPECT_EQ(e->Text5->text(), QStringLiteral("2*"));
    EXPECT_EQ(e->List1->count(), 2);
    e->Text8->setText(QStringLiteral("456"));
    EXPECT_EQ(e->Text10->text(), QStringLiteral("56"));

    // Typed, the first triple takes digits and one "*" only.
    e->Text2->clear();
    QTest::keyClicks(e->Text2, QStringLiteral("1a*-*2"));
    EXPECT_EQ(e->Text2->text(), QStringLiteral("1*2"));
    e->Text3->clear();
    QTest::keyClicks(e->Text3, QStringLiteral("4*5x67"));
    EXPECT_EQ(e->Text3->text(), QStringLiteral("456"));
}

TEST_F(Form17Test, OffersTheLotterysSpecialPlaysAndSavesTheChosenDetail)
{
    especiales();
    draws::Form38* v = abreCatalogo();
    ASSERT_TRUE(v);
    const bool visto = enLaEntrada(*v, 0, [this](draws::Form17& e) {
        EXPECT_TRUE(e.Combo2->isEnabled());
        EXPECT_EQ(e.Combo2->count(), 2);
        EXPECT_EQ(e.Combo2->currentText(), QStringLiteral("Z2 - ZODIACAL")) << "the last one read";
        EXPECT_EQ(e.Combo3->currentText(), QStringLiteral("07 - LEO"));

        // Leaving the special-play box lists its details; the detail is
        // left to choose.
        e.Combo2->setEditText(QStringLiteral("T1 - TRIPLETAZO"));
        saleDe(e.Combo2);
        EXPECT_EQ(e.Combo3->count(), 2);
        EXPECT_EQ(e.Combo3->currentText(), QString());
        // A typed text reaches the server as a value, never as SQL.
        e.Combo2->setEditText(QStringLiteral("T'1"));
        saleDe(e.Combo2);
        EXPECT_EQ(e.Combo3->count(), 0);
        EXPECT_TRUE(rec_->prompts().isEmpty());

        e.Combo2->setEditText(QStringLiteral("T1 - TRIPLETAZO"));
        saleDe(e.Combo2);
        e.Combo3->setCurrentIndex(1);
        e.Text2->setText(QStringLiteral("123"));
        e.Text8->setText(QStringLiteral("456"));
        e.Text13->setText(QStringLiteral("12"));
        QTest::keyClick(e.windowHandle(), Qt::Key_Return);
    });
    ASSERT_TRUE(visto);
    EXPECT_EQ(rec_->prompts(), (QStringList{QStringLiteral("Premios registrados sin problemas")}));
    EXPECT_EQ(
        premiar(QStringLiteral("001"), QStringLiteral("pri_triple, pri_terminal, seg_terminal, prem_digito,"
                                                      " especial, jugada, triple_especial, terminal_especial,"
                                                      " premio_para")),
        QStringLiteral("123|23|12|3|T1|02|456|56|12"));
}

// Nothing typed for the special play or the pairs keeps what was recorded;
// a lottery without special plays sends the four values empty.
TEST_F(Form17Test, EmptyValuesKeepTheRecordedPairsAndSpecialPlay)
{
    Resultado r{QStringLiteral("014"), {QStringLiteral("100")}, {QStringLiteral("00")}};
    r.tripleEspecial = QStringLiteral("345");
    r.terminalEspecial = QStringLiteral("45");
    r.especial = QStringLiteral("T1");
    r.jugada = QStringLiteral("01");
    r.pares[0] = QStringLiteral("111");
    r.pares[1] = QStringLiteral("222");
    r.pares[2] = QStringLiteral("333");
    grabapremios(conexion(), r);
    draws::Form38* v = abreCatalogo();
    ASSERT_TRUE(v);
    const bool visto = enLaEntrada(*v, 1, [](draws::Form17& e) {
        EXPECT_EQ(e.Text2->text(), QStringLiteral("100"));
        EXPECT_TRUE(e.Text13->text().isEmpty()) << "the pairs are not carried";
        for (QWidget* w : std::initializer_list<QWidget*>{e.Combo2, e.Combo3, e.Text8, e.Text10})
            EXPECT_FALSE(w->isEnabled());
        e.Text2->setText(QStringLiteral("555"));
        e.Premiar->click();
    });
    ASSERT_TRUE(visto);
    EXPECT_EQ(premiar(QStringLiteral("014"), QStringLiteral("pri_triple, especial, jugada, triple_especial,"
                                                            " terminal_especial, premio_para, premio_parb,"
                                                            " premio_simple")),
              QStringLiteral("555|T1|01|345|45|111|222|333"));
}

TEST_F(Form17Test, AMalformedNumberIsRefusedAndTheWindowKeepsWhatWasTyped)
{
    draws::Form38* v = abreCatalogo();
    ASSERT_TRUE(v);
    const bool visto = enLaEntrada(*v, 1, [this](draws::Form17& e) {
        e.Text2->setText(QStringLiteral("100"));
        e.Text3->setText(QStringLiteral("20"));
        e.Premiar->click();
        ASSERT_EQ(rec_->prompts().size(), 1);
        EXPECT_TRUE(rec_->prompts().first().startsWith(QStringLiteral("Ha ocurrido un error")))
            << rec_->prompts().first().toStdString();
        EXPECT_FALSE(e.isUnloaded());
        EXPECT_EQ(e.Text3->text(), QStringLiteral("20"));
        // The first triple is missing: refused too.
        rec_->clear();
        e.Text2->clear();
        e.Text3->setText(QStringLiteral("200"));
        e.Premiar->click();
        EXPECT_EQ(rec_->prompts().size(), 1);
        EXPECT_FALSE(e.isUnloaded());
    });
    ASSERT_TRUE(visto);
    EXPECT_EQ(db_->scalar(QStringLiteral("SELECT count(*) FROM premiar")), QStringLiteral("0"));
}

// A correction keeps the recorded special play: the entry window shows the
// recorded play, detail, triple and terminal (not the lottery's last play
// and its first detail, nor the terminal the triple derives), and a result
// recorded without a special play shows the boxes empty, on a lottery that
// takes two special plays.
TEST_F(Form17Test, ACorrectionShowsAndKeepsTheRecordedSpecialPlay)
{
    especiales();
    struct Caso {
        const char* especial;
        const char* jugada;
        const char* triple;
        const char* terminal;
        const char* combo2;
        const char* combo3;
        const char* guardado; // pri_triple, seg_triple, especial, jugada, special triple and terminal
    };
    const Caso casos[] = {
        {"T1", "02", "345", "99", "T1 - TRIPLETAZO", "02 - TAURO", "555|456|T1|02|345|99"},
        {"Z2", "07", "888", "88", "Z2 - ZODIACAL", "07 - LEO", "555|456|Z2|07|888|88"},
        {"", "", "", "", "", "", "555|456"}, // nothing recorded stays NULL
    };
    for (const Caso& c : casos) {
        db_->exec(QStringLiteral("DELETE FROM premiar"));
        Resultado r{QStringLiteral("001"),
                    {QStringLiteral("124"), QStringLiteral("456"), QStringLiteral("789")},
                    {QStringLiteral("24"), QStringLiteral("12"), QStringLiteral("89")},
                    QStringLiteral("4")};
        r.especial = QLatin1String(c.especial);
        r.jugada = QLatin1String(c.jugada);
        r.tripleEspecial = QLatin1String(c.triple);
        r.terminalEspecial = QLatin1String(c.terminal);
        grabapremios(conexion(), r);
        rec_->clear();
        draws::Form38* v = abreCatalogo();
        ASSERT_TRUE(v);
        const bool visto = enLaEntrada(*v, 0, [&](draws::Form17& e) {
            EXPECT_EQ(e.Combo2->count(), 2) << c.especial;
            EXPECT_EQ(e.Combo2->currentText(), QLatin1String(c.combo2));
            EXPECT_EQ(e.Combo3->currentText(), QLatin1String(c.combo3));
            EXPECT_EQ(e.Text8->text(), QLatin1String(c.triple));
            EXPECT_EQ(e.Text10->text(), QLatin1String(c.terminal));
            if (QLatin1String(c.especial) == u"T1") {
                EXPECT_FALSE(testsupport::saveScreenshot(&e, QStringLiteral("Form17-correccion")).isEmpty());
            }
            // Only the first triple changes.
            e.Text2->clear();
            QTest::keyClicks(e.Text2, QStringLiteral("555"));
            e.Premiar->click();
        });
        ASSERT_TRUE(visto) << c.especial;
        EXPECT_EQ(rec_->prompts(), (QStringList{QStringLiteral("Premios registrados sin problemas")}));
        EXPECT_EQ(premiar(QStringLiteral("001"), QStringLiteral("pri_triple, seg_triple, especial, jugada,"
                                                                " triple_especial, terminal_especial")),
                  QLatin1String(c.guardado))
            << c.especial;
        v->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// A "*" in each position of the first triple: the window derives the
// terminals and the digit holding it where their figures do, and the
// server records them as derived.
TEST_F(Form17Test, AStarInEachPositionOfTheFirstTripleIsSavedAsDerived)
{
    const char* const casos[][2] = {
        {"*23", "*23|23|*2|3"},
        {"1*3", "1*3|*3|1*|3"},
        {"12*", "12*|2*|12|*"},
    };
    for (const auto& c : casos) {
        rec_->clear();
        draws::Form38* v = abreCatalogo();
        ASSERT_TRUE(v);
        const bool visto = enLaEntrada(*v, 1, [&](draws::Form17& e) {
            e.Text2->clear();
            QTest::keyClicks(e.Text2, QLatin1String(c[0]));
            EXPECT_EQ(
                QStringList({e.Text2->text(), e.Text5->text(), e.Text6->text(), e.Text1->text()}).join(u'|'),
                QLatin1String(c[1]));
            e.Premiar->click();
            EXPECT_TRUE(e.isUnloaded()) << c[0];
        });
        ASSERT_TRUE(visto) << c[0];
        EXPECT_EQ(rec_->prompts(), (QStringList{QStringLiteral("Premios registrados sin problemas")}))
            << c[0];
        EXPECT_EQ(premiar(QStringLiteral("014"), QStringLiteral("pri_triple, pri_terminal, seg_terminal,"
                                                                " prem_digito")),
                  QLatin1String(c[1]));
        v->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
