#include "calc/steel/watergascatalog.h"

#include "calc/common/valueparse.h"

namespace calc::steel::watergas {

namespace {
enum Series { Light, Ordinary, Reinforced };

struct Wall {
    const char* text;
    Series series;
};

struct Pipe {
    const char* outer;
    double nominal;
    Wall walls[4];
};

constexpr Pipe catalog[] = {
    {"10.2", 6, {{"1.8", Light}, {"2", Ordinary}, {"2.5", Reinforced}}},
    {"13.5", 8, {{"2", Light}, {"2.2", Ordinary}, {"2.8", Reinforced}}},
    {"17.0", 10, {{"2", Light}, {"2.2", Ordinary}, {"2.8", Reinforced}}},
    {"21.3", 15, {{"2.35", Light}, {"2.5", Light}, {"2.8", Ordinary}, {"3.2", Reinforced}}},
    {"26.8", 20, {{"2.35", Light}, {"2.5", Light}, {"2.8", Ordinary}, {"3.2", Reinforced}}},
    {"33.5", 25, {{"2.8", Light}, {"3.2", Ordinary}, {"4", Reinforced}}},
    {"42.3", 32, {{"2.8", Light}, {"3.2", Ordinary}, {"4", Reinforced}}},
    {"48", 40, {{"3", Light}, {"3.5", Ordinary}, {"4", Reinforced}}},
    {"60", 50, {{"3", Light}, {"3.5", Ordinary}, {"4.5", Reinforced}}},
    {"75.5", 65, {{"3.2", Light}, {"4", Ordinary}, {"4.5", Reinforced}}},
    {"88.5", 80, {{"3.5", Light}, {"4", Ordinary}, {"4.5", Reinforced}}},
    {"101.3", 90, {{"3.5", Light}, {"4", Ordinary}, {"4.5", Reinforced}}},
    {"114", 100, {{"4", Light}, {"4.5", Ordinary}, {"5", Reinforced}}},
    {"140", 125, {{"4", Light}, {"4.5", Ordinary}, {"5.5", Reinforced}}},
    {"165", 150, {{"4", Light}, {"4.5", Ordinary}, {"5.5", Reinforced}}},
};

const Pipe* findByOuter(double outerDiameter)
{
    for (const auto& pipe : catalog)
        if (parseValue(QString::fromLatin1(pipe.outer)) == outerDiameter)
            return &pipe;
    return nullptr;
}

QString seriesText(Series s)
{
    switch (s) {
    case Light:
        return QStringLiteral("трубы легкие");
    case Ordinary:
        return QStringLiteral("трубы обыкновенные");
    case Reinforced:
        return QStringLiteral("трубы усиленные");
    }
    return {};
}
}  // namespace

QStringList outerDiameters()
{
    QStringList items;
    for (const auto& pipe : catalog)
        items << QString::fromLatin1(pipe.outer);
    return items;
}

double nominalSize(double outerDiameter)
{
    const Pipe* pipe = findByOuter(outerDiameter);
    return pipe ? pipe->nominal : 0.0;
}

QStringList walls(double outerDiameter)
{
    QStringList items;
    if (const Pipe* pipe = findByOuter(outerDiameter))
        for (const auto& wall : pipe->walls)
            if (wall.text)
                items << QString::fromLatin1(wall.text);
    return items;
}

QString series(double nominal, double wall)
{
    for (const auto& pipe : catalog)
        if (pipe.nominal == nominal)
            for (const auto& w : pipe.walls)
                if (w.text && parseValue(QString::fromLatin1(w.text)) == wall)
                    return seriesText(w.series);
    return {};
}

}  // namespace calc::steel::watergas
