-- The details of the special plays: their list (LIST_jugadeta) and their
-- maintenance (ACTDETJUG). A detail is deleted by the details catalogue
-- with a plain DELETE on jugadeta.

-- LIST_jugadeta: every detail of every special play, by special play and
-- detail code. Callers read the columns by position: the special play's
-- code, the detail's code, the detail's name, the special play's name.
CREATE FUNCTION LIST_jugadeta()
RETURNS TABLE (especial varchar, jugada varchar, desc_jugada varchar,
               Descri_especial varchar)
LANGUAGE sql STABLE AS $$
  SELECT d.especial, d.jugada, d.desc_jugada, j.desc_espec
  FROM jugadeta d
  JOIN jugadas j ON j.especial = d.especial
  ORDER BY d.especial, d.jugada
$$;

-- ACTDETJUG mode, detail code, special-play code, name: "1" adds the detail
-- to the special play, "2" renames the detail (special play, detail code)
-- that exists. Codes are trimmed (the editor cuts the special play's code
-- out of a "code name" item), the name right-trimmed. The caller tests no
-- answer, so every refusal is an error: unknown mode, a blank code or name,
-- a code or name longer than its column, a special play that does not
-- exist, the add of a detail that exists, the rename of one that does not.
CREATE FUNCTION ACTDETJUG(xmodo varchar, xjugada varchar, xespecial varchar,
                          xdesc_jugada varchar)
RETURNS void
LANGUAGE plpgsql AS $$
DECLARE
  detalle text := btrim(coalesce(xjugada, ''));
  especial_ text := btrim(coalesce(xespecial, ''));
  nombre text := rtrim(coalesce(xdesc_jugada, ''));
BEGIN
  IF xmodo IS NULL OR xmodo NOT IN ('1', '2') THEN
    RAISE EXCEPTION 'ACTDETJUG: modo desconocido "%"', xmodo;
  END IF;
  IF especial_ = '' THEN
    RAISE EXCEPTION 'ACTDETJUG: falta la jugada especial';
  END IF;
  IF detalle = '' THEN
    RAISE EXCEPTION 'ACTDETJUG: falta el código del detalle';
  END IF;
  IF nombre = '' THEN
    RAISE EXCEPTION 'ACTDETJUG: falta el nombre del detalle';
  END IF;
  IF char_length(especial_) > 3 OR char_length(detalle) > 2 OR char_length(nombre) > 20 THEN
    RAISE EXCEPTION 'ACTDETJUG: texto demasiado largo (jugada de 3, detalle de 2, nombre de 20 caracteres)';
  END IF;
  IF NOT EXISTS (SELECT FROM jugadas j WHERE j.especial = especial_) THEN
    RAISE EXCEPTION 'ACTDETJUG: no existe la jugada especial "%"', especial_;
  END IF;

  IF xmodo = '1' THEN
    INSERT INTO jugadeta (especial, jugada, desc_jugada) VALUES (especial_, detalle, nombre)
    ON CONFLICT (especial, jugada) DO NOTHING;
    IF NOT FOUND THEN
      RAISE EXCEPTION 'ACTDETJUG: ya existe el detalle "%" de la jugada "%"', detalle, especial_;
    END IF;
  ELSE
    UPDATE jugadeta SET desc_jugada = nombre
    WHERE especial = especial_ AND jugada = detalle;
    IF NOT FOUND THEN
      RAISE EXCEPTION 'ACTDETJUG: no existe el detalle "%" de la jugada "%"', detalle, especial_;
    END IF;
  END IF;
END $$;
