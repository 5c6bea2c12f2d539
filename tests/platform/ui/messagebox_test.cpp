#include "platform/regional.h"
#include "platform/ui/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLocale>
#include <algorithm>
#include <QMessageBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace platform;
using platform::ui::createMessageBox;

namespace {

using SB = QMessageBox::StandardButton;

// The styles the windows ask for, and what each box must offer.
struct StyleCase {
    int style;
    QList<SB> buttons;
    SB defaultButton;
    QMessageBox::Icon icon;
};

const StyleCase Styles[] = {
    {0, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::NoIcon},
    {16, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::Critical},
    {48, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::Warning},
    {64, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::Information},
    // Delete questions: No is the default, so Enter never deletes.
    {276, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::No, QMessageBox::Critical},
    {20, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes, QMessageBox::Critical},
    {36, {QMessageBox::Yes, QMessageBox::No}, QMessageBox::Yes, QMessageBox::Question},
    {1, {QMessageBox::Ok, QMessageBox::Cancel}, QMessageBox::Ok, QMessageBox::NoIcon},
    {3 + 32 + 512,
     {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel},
     QMessageBox::Cancel,
     QMessageBox::Question},
    // A default beyond the buttons falls back to the first.
    {0 + 512, {QMessageBox::Ok}, QMessageBox::Ok, QMessageBox::NoIcon},
};

class MessageBoxStyleTest : public ::testing::TestWithParam<StyleCase> {};

QString withoutMnemonic(QString text)
{
    return text.remove(QLatin1Char('&'));
}

} // namespace

TEST_P(MessageBoxStyleTest, TheDialogHasTheButtonsDefaultAndIconOfItsStyle)
{
    const StyleCase& c = GetParam();
    const auto box = createMessageBox(QStringLiteral("¿Seguro?"), c.style, QStringLiteral("T"));
    QList<SB> buttons;
    for (QAbstractButton* b : box->buttons())
        buttons << box->standardButton(b);
    std::sort(buttons.begin(), buttons.end());
    QList<SB> expected = c.buttons;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(buttons, expected) << "style " << c.style;
    ASSERT_NE(box->defaultButton(), nullptr);
    EXPECT_EQ(box->standardButton(box->defaultButton()), c.defaultButton) << "style " << c.style;
    EXPECT_EQ(box->icon(), c.icon) << "style " << c.style;
    EXPECT_EQ(box->windowTitle(), QStringLiteral("T"));
}

TEST_P(MessageBoxStyleTest, TheAnswerOfEachButtonIsTheOneItsStyleNames)
{
    const StyleCase& c = GetParam();
    const msg::BoxStyle style = msg::boxStyle(c.style);
    ASSERT_EQ(style.buttons.size(), c.buttons.size());
    for (int i = 0; i < c.buttons.size(); ++i)
        EXPECT_EQ(ui::answerOf(c.buttons[i]), style.buttons[i]);
    EXPECT_EQ(ui::answerOf(c.defaultButton), style.defaultAnswer);
}

INSTANTIATE_TEST_SUITE_P(Styles, MessageBoxStyleTest, ::testing::ValuesIn(Styles));

TEST(MessageBoxTest, StandardButtonsReadInSpanish)
{
    ASSERT_TRUE(ui::installSpanishTranslation())
        << "Qt's Spanish translation (qt6-translations-l10n) is not installed";
    const auto box = createMessageBox(QStringLiteral("¿Deseas Eliminar la información Seleccionada?"), 276,
                                      QStringLiteral("Quorvelin 2007 - BACK OFFICE"));
    EXPECT_EQ(withoutMnemonic(box->button(QMessageBox::Yes)->text()), QStringLiteral("Sí"));
    EXPECT_EQ(withoutMnemonic(box->button(QMessageBox::No)->text()), QStringLiteral("No"));
    const auto cancel = createMessageBox(QStringLiteral("x"), 1, {});
    EXPECT_EQ(withoutMnemonic(cancel->button(QMessageBox::Cancel)->text()), QStringLiteral("Cancelar"));
}

// The desktop cuts a title wider than its box: every box is wide enough for
// its title, in the bold face of title bars, with room for the bar's buttons.
TEST(MessageBoxTest, TitlesShowWhole)
{
    QApplication::setApplicationName(QStringLiteral("Quorvelin Duroz"));
    const QString titulos[] = {QString(), QStringLiteral("Quorvelin 2007 - BACK OFFICE"),
                               QStringLiteral("Error al Abrir Conexión...(Korvast)"),
                               QStringLiteral("Quorvelin 2007 - PUNTO DE VENTA")};
    for (const QString& titulo : titulos) {
        const auto box = createMessageBox(QStringLiteral("No Quieres Borrar001"), 0, titulo);
        box->show();
        QCoreApplication::processEvents();
        QFont bold = box->font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        const int needed = metrics.horizontalAdvance(box->windowTitle()) + 3 * metrics.height();
        EXPECT_GE(box->width(), needed) << box->windowTitle().toStdString();
        box->hide();
    }
}

// Qt's own controls speak Spanish, with the program's separators.
TEST(MessageBoxTest, TheLocaleIsSpanishWithTheRegionalSeparators)
{
    ui::installSpanishLocale();
    const QLocale locale;
    EXPECT_EQ(locale.language(), QLocale::Spanish);
    EXPECT_EQ(locale.standaloneMonthName(12).toLower(), QStringLiteral("diciembre"));
    EXPECT_EQ(locale.dayName(1).toLower(), QStringLiteral("lunes"));
    EXPECT_EQ(locale.decimalPoint(), QString(regional::workstation().decimalSeparator));
    EXPECT_EQ(locale.groupSeparator(), QString(regional::workstation().thousandsSeparator));
}
