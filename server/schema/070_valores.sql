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

-- The twelve sale parameters (minimums, limits and commission % of triples
-- and terminales, three prize factors of each) every parameter row carries:
-- of lotteries, of special plays on a lottery, of sellers, of sellers per
-- lottery and per special play. Declared once here: a table that holds them
-- takes LIKE parametrosventa INCLUDING DEFAULTS INCLUDING CONSTRAINTS. It
-- holds no rows. (The five tables made before it spell the same columns; a
-- test keeps them equal to it. A lottery's first terminal prize is
-- numeric(18,3), as its editor sends it.)
CREATE TABLE parametrosventa (
  minimo_tri numeric(9,3) NOT NULL DEFAULT 0,
  minimo_ter numeric(9,3) NOT NULL DEFAULT 0,
  lim_tri    numeric(9,3) NOT NULL DEFAULT 0,
  lim_ter    numeric(9,3) NOT NULL DEFAULT 0,
  comi_tri   numeric(9,3) NOT NULL DEFAULT 0,
  comi_ter   numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_1    numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_2    numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_3    numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_1    numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_2    numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_3    numeric(9,3) NOT NULL DEFAULT 0
);
