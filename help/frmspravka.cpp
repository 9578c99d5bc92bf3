#include "calc/common/calculationdescription.h"
#include "widgets/clickablelabel.h"
#include "help/helppage.h"
#include "help/helpwindows.h"
#include "help/notelabel.h"

namespace help {
namespace {
constexpr qreal smallPointSize = 8.25;

NoteLabel* addParagraph(HelpPage& page, int element, const QString& text)
{
    NoteLabel* paragraph = page.addNote(text);
    paragraph->setObjectName(QStringLiteral("Label1_%1").arg(element));
    return paragraph;
}

void addLinkAfter(NoteLabel* paragraph, const char* name, const QString& caption, const QString& documentFile)
{
    QFont small = paragraph->font();
    small.setPointSizeF(smallPointSize);
    ClickableLabel* link = paragraph->linkAfter(caption, small, documentFile);
    link->setObjectName(QString::fromLatin1(name));
    link->setToolTip(QStringLiteral("кликни для просмотра"));
}
}  // namespace

// The program reference: where the formulas and the economic advice come from.
QWidget* createFrmspravka()
{
    auto* page = new HelpPage(QStringLiteral("frmspravka"),
                              QStringLiteral("Справка о программе \"Таблицы Тальвера\" version 1.0"));
    addParagraph(*page, 0,
                 QStringLiteral(" Для гидравлического расчета стальных, чугунных, асбестоцементных, железобетонных, "
                                "пластмассовых и стеклянных водопроводных труб используются формулы из"));
    NoteLabel* source = page->addNote(calc::description::handbookSource());
    source->setObjectName(QStringLiteral("Label2"));
    QFont small = source->font();
    small.setPointSizeF(smallPointSize);
    source->setFont(small);
    page->ignoreClicks(source);
    page->addSpace(6);

    addLinkAfter(addParagraph(*page, 1,
                              QStringLiteral(" Гидравлический расчет стеклопластиковых труб производится согласно "
                                             "нормативного документа ")),
                 "Label3", QStringLiteral("СП 40-104-2001"),
                 QStringLiteral("sp40_104_2001.doc"));
    addLinkAfter(addParagraph(*page, 2,
                              QStringLiteral(" Гидравлический расчет медных труб производится согласно нормативного "
                                             "документа ")),
                 "Label4", QStringLiteral("СП 40-108-2004"),
                 QStringLiteral("sp40_108_2004.doc"));
    addLinkAfter(addParagraph(*page, 3,
                              QStringLiteral(" Гидравлический расчет труб из сшитого полиэтилена (PEX)  производится "
                                             "согласно нормативного документа ")),
                 "Label5", QStringLiteral("СП 41-109-2005"),
                 QStringLiteral("sp41_109_2005.doc"));
    addLinkAfter(addParagraph(*page, 4,
                              QStringLiteral(" Гидравлический расчет металлополимерных  производится согласно "
                                             "нормативного документа ")),
                 "Label6", QStringLiteral("СП 41-102-98"),
                 QStringLiteral("sp41_102_98.doc"));
    page->addSpace(6);

    addParagraph(*page, 5,
                 QStringLiteral(" Рекомендации по выбору диаметров труб с учетом экономического фактора для "
                                "стальных, чугунных, асбестоцементных, железобетонных, пластмассовых труб даны на "
                                "основании таблицы 12 [1] , при экономическом факторе Э=0,75 - для центральных и "
                                "западных районов европейской части СССР. ( значения 1000i и v в таблицах [1] "
                                "выделены жирным шрифтом) "));
    addParagraph(*page, 6,
                 QStringLiteral(" Рекомендации по выбору диаметров труб с учетом экономического фактора для "
                                "стеклопластиковых труб не даются."));
    addParagraph(*page, 8,
                 QStringLiteral("Для пластмассовых труб рекомендации по выбору диаметров труб с учетом экономического "
                                "фактора ограничиваются диаметром 630мм, на большие диаметры рекомендации не даются "
                                "(см. табл.12 [1]) "));
    addParagraph(*page, 7,
                 QStringLiteral(" Окна ввода данных и вывода результата, в программе, оснащены всплывающими "
                                "подсказками, в которых содержится дополнительная информация (например, если навести "
                                "курсор мыши на значение потерь напора [в метрах вод.ст.] , в подсказке получите "
                                "потери давления [ в Паскалях] ) ."))
        ->setToolTip(QStringLiteral("Всплывающая подсказка"));
    return page;
}

}  // namespace help
