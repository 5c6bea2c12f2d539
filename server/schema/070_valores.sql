-- Sound stored values. Besides what this file declares, every load checks
-- each table of schema public against the conventions (server/convenciones.sql):
-- amounts refuse NaN and infinities, times of day refuse 24:00, codes refuse
-- control and invisible characters.

-- A code holds no control character (tab, newline…) and no invisible one
-- (zero-width spaces and joiners, direction marks and embeddings, soft
-- hyphen, byte-order mark): two codes that look the same are the same code.
-- Blank codes are refused by each column's own CHECK.
CREATE FUNCTION public.codigo_valido(codigo text) RETURNS boolean
LANGUAGE sql IMMUTABLE PARALLEL SAFE
SET search_path = pg_catalog AS $$
  SELECT codigo IS NULL
      OR codigo !~ '[\u0001-\u001f\u007f-\u009f\u00ad\u034f\u061c\u115f\u1160\u17b4\u17b5\u180e\u200b-\u200f\u202a-\u202e\u2060-\u206f\u3164\ufe00-\ufe0f\ufeff\uffa0]'
$$;

-- A sale parameter: a minimum, limit, commission % or prize factor of a
-- lottery, of a special play on a lottery, or of a seller for either.
CREATE DOMAIN public.parametro_venta AS numeric(9,3) NOT NULL DEFAULT 0
  CHECK (VALUE > '-Infinity' AND VALUE < 'Infinity');

-- The twelve sale parameters every parameter row carries (lotteries,
-- special plays of a lottery, sellers, sellers per lottery, sellers per
-- special play), declared once: a table holding them takes
-- LIKE parametrosventa.
CREATE TYPE public.parametrosventa AS (
  minimo_tri parametro_venta,
  minimo_ter parametro_venta,
  lim_tri    parametro_venta,
  lim_ter    parametro_venta,
  comi_tri   parametro_venta,
  comi_ter   parametro_venta,
  p_tri_1    parametro_venta,
  p_tri_2    parametro_venta,
  p_tri_3    parametro_venta,
  p_ter_1    parametro_venta,
  p_ter_2    parametro_venta,
  p_ter_3    parametro_venta
);

-- The five tables that spelled them out take the domain. A lottery's first
-- terminal prize stays numeric(18,3), as its editor sends it.
SELECT format('ALTER TABLE public.%I %s', c.relname,
              string_agg(format('ALTER COLUMN %I TYPE public.parametro_venta', a.attname), ', '))
  FROM pg_class c
  JOIN pg_attribute a ON a.attrelid = c.oid
 WHERE c.relnamespace = 'public'::regnamespace
   AND c.relname IN ('loterias', 'lotespec', 'vendedor', 'ven_lot', 'vendespec')
   AND a.atttypid = 'numeric'::regtype
   AND format_type(a.atttypid, a.atttypmod) = 'numeric(9,3)'
   AND a.attname IN (SELECT t.attname FROM pg_attribute t
                      WHERE t.attrelid = 'public.parametrosventa'::regclass AND t.attnum > 0)
 GROUP BY c.relname
\gexec
