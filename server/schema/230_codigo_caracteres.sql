-- A code holds only the characters a code can hold: the printable
-- characters of ASCII (letters, figures, blank, punctuation such as "-",
-- "*" or "/") and the printable Latin-1 letters and signs ("Ñ", "á", "º"),
-- U+0020-U+007E and U+00A1-U+00FF but the soft hyphen U+00AD. Control and
-- invisible characters stay out, as before, and so do emoji and the letters
-- of other scripts, which no keyboard of the network types into a code and
-- which look like other codes. The checks of every code column and the
-- procedures that check a code they receive call this function, so all of
-- them follow. Still without a search path of its own, so that the checks
-- expand it (151_codigo_valido_en_linea.sql).
CREATE OR REPLACE FUNCTION public.codigo_valido(codigo text) RETURNS boolean
LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$
  SELECT codigo IS NULL
      OR codigo OPERATOR(pg_catalog.~) '^[\u0020-\u007e\u00a1-\u00ac\u00ae-\u00ff]*$'
$$;
