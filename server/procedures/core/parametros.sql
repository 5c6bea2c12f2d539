-- The head-office parameters: dsppb reads the one row, ACTPARAM writes it.

-- dsppb: the parameters row (none while the house has none), by the names
-- the parameters window reads.
CREATE FUNCTION dsppb()
RETURNS TABLE (msgticket varchar, tiempo_anula integer, Name_duroz varchar,
               tasa_venta numeric, tasa_premio numeric, montom numeric)
LANGUAGE sql STABLE AS $$
  SELECT p.msgticket, p.tiempo_anula, p.name_duroz, p.tasa_venta, p.tasa_premio, p.montom
  FROM parametrosbanca p
  WHERE p.id = 1
$$;

-- A parameter of ACTPARAM refused: an error naming the field, with the
-- return code that tells why (3 empty, 4 too long, 7 invalid value), so the
-- window's trap shows it and nothing is stored.
CREATE FUNCTION actparam_rechazo(xcampo text, xvalor text, xcodigo integer)
RETURNS void
LANGUAGE plpgsql IMMUTABLE AS $$
BEGIN
  RAISE EXCEPTION 'ACTPARAM: % no aceptado "%" (código %)', xcampo, xvalor, xcodigo
    USING ERRCODE = 'check_violation';
END $$;

-- A text parameter: "" stores NULL; longer than the column, refused (4).
CREATE FUNCTION actparam_texto(xtexto varchar, xcampo text, xlargo integer)
RETURNS varchar
LANGUAGE plpgsql IMMUTABLE AS $$
BEGIN
  IF char_length(coalesce(xtexto, '')) > xlargo THEN
    PERFORM actparam_rechazo(xcampo, xtexto, 4);
  END IF;
  RETURN nullif(xtexto, '');
END $$;

-- A percentage or amount as a box shows it, read by lee_importe ("12,5" and
-- "12.5" are 12.5); "" is 0 (none). At most six whole figures and three
-- decimals, as the column holds; anything else is refused (7), never
-- rounded or cut.
CREATE FUNCTION actparam_importe(xtexto varchar, xcampo text)
RETURNS numeric
LANGUAGE plpgsql IMMUTABLE AS $$
DECLARE
  valor numeric;
BEGIN
  IF btrim(coalesce(xtexto, ''), E' \t') = '' THEN
    RETURN 0;
  END IF;
  valor := lee_importe(xtexto, xcampo);
  IF valor <> round(valor, 3) OR valor >= 1000000 THEN
    PERFORM actparam_rechazo(xcampo, xtexto, 7);
  END IF;
  RETURN valor;
END $$;

-- ACTPARAM: stores the six parameters as the window sends them, all text:
-- ticket message, minutes to annul, house name, % tax on sales, % tax on
-- prizes, minimum play. Inserts the row when the house has none. Answers 0;
-- a value the row cannot hold raises an error and stores nothing.
CREATE FUNCTION ACTPARAM(xmsgticket varchar, xtiempo_anula varchar, xname_duroz varchar,
                         xtasa_venta varchar, xtasa_premio varchar, xmontom varchar,
                         OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  minutos text := btrim(coalesce(xtiempo_anula, ''));
  tiempo integer;
BEGIN
  IF minutos <> '' THEN
    IF minutos !~ '^[0-9]{1,9}$' THEN
      PERFORM actparam_rechazo('tiempo_anula', xtiempo_anula, 7);
    END IF;
    tiempo := minutos::integer;
  END IF;
  INSERT INTO parametrosbanca AS p (id, msgticket, tiempo_anula, name_duroz,
                                    tasa_venta, tasa_premio, montom)
  VALUES (1,
          actparam_texto(xmsgticket, 'msgticket', 200),
          tiempo,
          actparam_texto(xname_duroz, 'name_duroz', 100),
          actparam_importe(xtasa_venta, 'tasa_venta'),
          actparam_importe(xtasa_premio, 'tasa_premio'),
          actparam_importe(xmontom, 'montom'))
  ON CONFLICT (id) DO UPDATE
    SET msgticket = EXCLUDED.msgticket, tiempo_anula = EXCLUDED.tiempo_anula,
        name_duroz = EXCLUDED.name_duroz, tasa_venta = EXCLUDED.tasa_venta,
        tasa_premio = EXCLUDED.tasa_premio, montom = EXCLUDED.montom;
  return_value := 0;
END $$;
