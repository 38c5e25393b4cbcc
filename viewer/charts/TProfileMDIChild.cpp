#include "TProfileMDIChild.h"

using namespace Qt::StringLiterals;

QString profileTimeText(double time) {
    QString text = QString::asprintf("%f", time);
    const qsizetype point = text.indexOf(u'.');
    while (point >= 0 && text.size() - point - 1 > 2 && text.endsWith(u'0'))
        text.chop(1);
    return text;
}

int TProfileMDIChild::lineCount() const {
    return profiles_.profileCount();
}

QString TProfileMDIChild::legend(int line) const {
    return profileTimeText(profiles_.profileTime(line)) + timeUnit();
}

std::span<const double> TProfileMDIChild::grid() const {
    return profiles_.grid();
}

double TProfileMDIChild::value(int node, int line) {
    // The series cursor walks the profiles in the order the lines are asked for.
    return profiles_.valueAt(node, line == 0);
}

QString TProfileMDIChild::xCaption() const {
    return u"Distance from the surface, mm"_s;
}
