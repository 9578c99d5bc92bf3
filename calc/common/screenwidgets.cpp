#include "calc/common/screenwidgets.h"

#include "calc/common/clickablelabel.h"
#include "help/formulahelp.h"
#include "platform/documents.h"
#include "platform/palette.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QIcon>
#include <QRadioButton>

namespace calc {

void colourClassicButtons(QWidget* find, QWidget* calculate, QWidget* mainClear, QWidget* sectionClear)
{
    for (auto* button : {find, calculate})
        platform::setButtonBackground(button, classicRunColour);
    for (auto* button : {mainClear, sectionClear})
        platform::setButtonBackground(button, classicClearColour);
}

void prepareCalculatorWindow(QWidget* window) { window->setAttribute(Qt::WA_DeleteOnClose); }

void fillList(QComboBox* list, const QStringList& items)
{
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
}

FlowUnit chosenFlowUnit(const QRadioButton* litresPerSecond)
{
    return litresPerSecond->isChecked() ? FlowUnit::LitresPerSecond : FlowUnit::CubicMetresPerHour;
}

void setupHelpButton(QAbstractButton* button, int helpTable)
{
    button->setText(QString());
    button->setIcon(QIcon(QStringLiteral(":/pictures/help.svg")));
    button->setIconSize(button->size() * 0.8);
    QObject::connect(button, &QAbstractButton::clicked, button, [helpTable] { help::showFormulaHelp(helpTable); });
}

void makeDocumentLink(ClickableLabel* label, const QString& windowsPath, LinkStyle style)
{
    const bool darkBlue = style == LinkStyle::DarkBlueWithTooltip;
    platform::setCaptionColour(label, darkBlue ? documentLinkDarkBlue : documentLinkBlue);
    label->setToolTip(darkBlue ? QStringLiteral("Кликни для просмотра этого нормативного документа ") : QString());
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &ClickableLabel::clicked, label, [windowsPath] { platform::openDocument(windowsPath); });
}

}  // namespace calc
