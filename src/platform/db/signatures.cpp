#include "platform/db/signatures.h"

#include "platform/db/dberror.h"

#include <QStringList>
#include <map>

namespace platform::db::detail {
namespace {

// One row per argument (one row with NULL argument columns for a function
// without arguments), overloads one after the other.
const QByteArray CatalogueQuery = R"sql(
SELECT p.oid, p.proname, p.proretset, p.prorettype = 'void'::regtype, p.pronargdefaults,
       a.name, a.mode, a.typ, p.prorettype = 'refcursor'::regtype
FROM pg_proc p
JOIN pg_namespace n ON n.oid = p.pronamespace
LEFT JOIN LATERAL unnest(coalesce(p.proallargtypes, p.proargtypes::oid[]),
                         coalesce(p.proargmodes, array_fill('i'::"char", ARRAY[p.pronargs::int])),
                         p.proargnames)
     WITH ORDINALITY AS a(typ, mode, name, ord) ON true
WHERE n.nspname = 'proc' AND lower(p.proname) = lower($1) AND p.prokind = 'f'
ORDER BY p.oid, a.ord
)sql";

using Overloads = std::vector<Signature>;
// database key -> lower-case procedure name -> overloads. Node-based maps:
// references handed out stay valid while entries are added.
std::map<QString, std::map<QString, Overloads>> cache;
long long lookups = 0;

constexpr Oid RefcursorOid = 1790;

bool isInput(char mode)
{
    return mode == 'i' || mode == 'b' || mode == 'v';
}

QString text(const PGresult* r, int row, int column)
{
    return QString::fromUtf8(PQgetvalue(r, row, column));
}

Overloads readCatalogue(Session& session, const QString& procedure)
{
    ++lookups;
    const PgResult r = session.exec(CatalogueQuery, {procedure.toUtf8()});
    Overloads overloads;
    QString currentOid;
    for (int row = 0; row < PQntuples(r.get()); ++row) {
        if (text(r.get(), row, 0) != currentOid) {
            currentOid = text(r.get(), row, 0);
            Signature s;
            s.name = text(r.get(), row, 1);
            s.returnsSet = text(r.get(), row, 2) == QLatin1String("t");
            s.returnsVoid = text(r.get(), row, 3) == QLatin1String("t");
            s.defaults = text(r.get(), row, 4).toInt();
            s.returnsCursor = text(r.get(), row, 8) == QLatin1String("t");
            overloads.push_back(s);
        }
        if (PQgetisnull(r.get(), row, 7))
            continue;
        const QByteArray mode = PQgetvalue(r.get(), row, 6);
        Signature& s = overloads.back();
        s.arguments.push_back(
            {text(r.get(), row, 5), mode.isEmpty() ? 'i' : mode[0], text(r.get(), row, 7).toUInt()});
        const Signature::Argument& a = s.arguments.back();
        if (a.type == RefcursorOid && a.mode != 'i' && a.mode != 'v')
            s.returnsCursor = true;
    }
    return overloads;
}

const Overloads& overloadsOf(Session& session, const QString& procedure)
{
    auto& names = cache[session.params().databaseKey()];
    const QString key = procedure.toLower();
    auto it = names.find(key);
    if (it == names.end()) {
        Overloads found = readCatalogue(session, procedure);
        if (found.empty())
            throw DbError::serverRule(QStringLiteral("No existe el procedimiento \"%1\".").arg(procedure));
        it = names.emplace(key, std::move(found)).first;
    }
    return it->second;
}

QString expectedCounts(const Overloads& overloads)
{
    QStringList counts;
    for (const Signature& s : overloads) {
        const int all = int(s.inputTypes().size());
        counts << (s.defaults > 0 ? QStringLiteral("%1 a %2").arg(all - s.defaults).arg(all)
                                  : QString::number(all));
    }
    return counts.join(QLatin1String(" o "));
}

} // namespace

std::vector<Oid> Signature::inputTypes() const
{
    std::vector<Oid> types;
    for (const Argument& a : arguments)
        if (isInput(a.mode))
            types.push_back(a.type);
    return types;
}

bool Signature::hasOutputs() const
{
    for (const Argument& a : arguments)
        if (a.mode == 'o' || a.mode == 'b')
            return true;
    return false;
}

QByteArray Signature::callSql(int inputs) const
{
    QStringList placeholders;
    for (int i = 1; i <= inputs; ++i)
        placeholders << QStringLiteral("$%1").arg(i);
    const QString quotedName = QLatin1Char('"') +
                               QString(name).replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                               QLatin1Char('"');
    return QStringLiteral("SELECT * FROM proc.%1(%2)")
        .arg(quotedName, placeholders.join(QLatin1String(", ")))
        .toUtf8();
}

const Signature& signatureFor(Session& session, const QString& procedure, int inputs)
{
    const Overloads& overloads = overloadsOf(session, procedure);
    const Signature* withDefaults = nullptr;
    for (const Signature& s : overloads) {
        const int all = int(s.inputTypes().size());
        if (all == inputs)
            return s;
        if (!withDefaults && inputs < all && inputs >= all - s.defaults)
            withDefaults = &s;
    }
    if (withDefaults)
        return *withDefaults;
    throw DbError::serverRule(QStringLiteral("El procedimiento \"%1\" espera %2 argumentos y recibió %3.")
                                  .arg(procedure, expectedCounts(overloads))
                                  .arg(inputs));
}

long long signatureLookupCount()
{
    return lookups;
}

} // namespace platform::db::detail
