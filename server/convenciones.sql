-- Run on every load after the migrations, as the owner role: gives every
-- table of schema public, the ones of new migrations included, the checks
-- its kinds of column need, where a column lacks them (a check once added is
-- kept; its name's suffix tells which rule it is, and a check of that suffix
-- covers every column it reads, so one check may hold a rule for several
-- columns of a table):
--   <column>_finito  a numeric column holds no NaN and no infinity;
--   <column>_hora    a time of day is before 24:00 ("24:00:00" and the leap
--                    second "23:59:60" read as midnight of the next day);
--   <column>_codigo  a code (a text column of a primary, unique or foreign
--                    key, or one named cod…) passes codigo_valido().
WITH columnas AS (
  SELECT c.oid AS tabla, c.relname, a.attname, a.attnum, a.atttypid,
         EXISTS (SELECT FROM pg_constraint k
                  WHERE k.conrelid = c.oid AND k.contype IN ('p', 'u', 'f')
                    AND a.attnum = ANY (k.conkey)) AS de_clave
    FROM pg_class c
    JOIN pg_attribute a ON a.attrelid = c.oid AND a.attnum > 0 AND NOT a.attisdropped
   WHERE c.relnamespace = 'public'::regnamespace AND c.relkind IN ('r', 'p')
), reglas AS (
  SELECT tabla, relname, attname, attnum, attname || '_finito' AS nombre, '_finito' AS sufijo,
         format('%I > ''-Infinity'' AND %I < ''Infinity''', attname, attname) AS regla
    FROM columnas WHERE atttypid = 'numeric'::regtype
  UNION ALL
  SELECT tabla, relname, attname, attnum, attname || '_hora', '_hora', format('%I < ''24:00''', attname)
    FROM columnas WHERE atttypid = 'time'::regtype
  UNION ALL
  SELECT tabla, relname, attname, attnum, attname || '_codigo', '_codigo', format('public.codigo_valido(%I)', attname)
    FROM columnas
   WHERE atttypid IN ('varchar'::regtype, 'text'::regtype, 'bpchar'::regtype)
     AND (de_clave OR attname LIKE 'cod%')
)
-- One statement per table: its rows are checked once.
SELECT format('ALTER TABLE public.%I %s', relname,
              string_agg(format('ADD CONSTRAINT %I CHECK (%s)', nombre, regla), ', ' ORDER BY nombre))
  FROM reglas r
 WHERE NOT EXISTS (SELECT FROM pg_constraint k
                    WHERE k.conrelid = r.tabla
                      AND k.contype = 'c' AND right(k.conname, length(r.sufijo)) = r.sufijo
                      AND r.attnum = ANY (k.conkey))
 GROUP BY relname
 ORDER BY relname
\gexec
