-- How every procedure reads the dates and amounts its callers send as text.
-- One function each, so that every procedure refuses the same texts with
-- the same message.

-- A date as the windows send it, "dd/mm/yyyy" (day and month of one or two
-- figures, surrounding blanks ignored), to a date of the years 1900 to 2200.
-- Any other text ("infinity" among them), a day the calendar lacks
-- ("00/00/0000", "31/02/2026") or a year outside that range is an error
-- naming the field: never a date of another day, and no procedure walks
-- the days or months of thousands of years.
CREATE FUNCTION lee_fecha(xtexto varchar, xcampo text DEFAULT 'fecha')
RETURNS date
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
  partes text[] := regexp_match(coalesce(xtexto, ''), '^\s*([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})\s*$');
BEGIN
  IF partes IS NOT NULL AND partes[3]::integer BETWEEN 1900 AND 2200 THEN
    BEGIN
      RETURN make_date(partes[3]::integer, partes[2]::integer, partes[1]::integer);
    EXCEPTION WHEN datetime_field_overflow OR invalid_datetime_format THEN
      NULL;
    END;
  END IF;
  RAISE EXCEPTION '% invalida "%": se espera una fecha dd/mm/aaaa del calendario, de 1900 a 2200', xcampo, xtexto
    USING ERRCODE = 'invalid_datetime_format';
END $$;

-- An amount as a box shows it: figures with at most one decimal mark, which
-- may be "." or "," (the workstation's regional settings show "12,5"), no
-- sign, surrounding blanks ignored. "12,5" and "12.5" are 12.5; a thousands
-- separator ("1.234,5"), a second mark, a sign, letters or an empty text
-- are an error naming the field, never another number. The caller checks
-- the range.
CREATE FUNCTION lee_importe(xtexto varchar, xcampo text DEFAULT 'importe')
RETURNS numeric
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
  texto text := btrim(coalesce(xtexto, ''), E' \t');
BEGIN
  IF texto !~ '^([0-9]+([.,][0-9]*)?|[.,][0-9]+)$' THEN
    RAISE EXCEPTION '% no es un número: "%"', xcampo, xtexto
      USING ERRCODE = 'invalid_text_representation';
  END IF;
  RETURN replace(texto, ',', '.')::numeric;
END $$;

-- True for an amount a column may hold: not NULL, not NaN, not infinite.
-- Procedures that take amounts as numbers refuse the others with return
-- code 7.
CREATE FUNCTION importe_valido(x numeric)
RETURNS boolean
LANGUAGE sql IMMUTABLE AS $$
  SELECT x IS NOT NULL AND x > '-Infinity' AND x < 'Infinity'
$$;

-- The return code a procedure answers for the key code it receives (already
-- trimmed): 3 empty, 4 longer than `ancho` characters, 7 holding a control
-- or invisible character, 0 fit to use.
CREATE FUNCTION retorno_codigo(codigo text, ancho integer)
RETURNS integer
LANGUAGE sql IMMUTABLE AS $$
  SELECT CASE WHEN codigo = '' THEN 3
              WHEN char_length(codigo) > ancho THEN 4
              WHEN NOT codigo_valido(codigo) THEN 7
              ELSE 0 END
$$;
