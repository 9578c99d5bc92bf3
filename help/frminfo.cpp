#include "help/helppage.h"
#include "help/helpwindows.h"

#include <QLabel>

namespace help {
namespace {
QLabel* addCentred(HelpPage& page, const QString& name, const QString& text)
{
    QLabel* line = page.addLine(text);
    line->setObjectName(name);
    line->setAlignment(Qt::AlignHCenter);
    return line;
}
}  // namespace

// The about window: the program, the roles of the people behind it and the release.
QWidget* createFrminfo()
{
    auto* page = new HelpPage(QStringLiteral("frminfo"), QStringLiteral("  info"));
    QLabel* name = addCentred(*page, QStringLiteral("Label1_0"), QStringLiteral("Программа \"Таблицы Тальвера\" ver 2.0 "));
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    addCentred(*page, QStringLiteral("Label2"),
               QStringLiteral("для гидравлического расчета напорных трубопроводов из различных материалов"));
    page->addSpace(10);
    addCentred(*page, QStringLiteral("Label3_0"), QStringLiteral("Разработка программы"));
    addCentred(*page, QStringLiteral("Label3_1"), QStringLiteral("Консультация по гидравлическим расчетам"));
    addCentred(*page, QStringLiteral("Label3_2"), QStringLiteral("Консультация по нормативным документам"));
    addCentred(*page, QStringLiteral("Label3_3"), QStringLiteral("Рецензирование"));
    page->addSpace(10);
    addCentred(*page, QStringLiteral("Label1_1"), QStringLiteral("\"Таблицы Тальвера\""));
    addCentred(*page, QStringLiteral("Label1_2"),
               QStringLiteral("гидравлический расчет напорных водопроводных труб из одиннадцати материалов"));
    addCentred(*page, QStringLiteral("Label1_3"), QStringLiteral("выпуск 2026 г."));
    return page;
}

}  // namespace help
