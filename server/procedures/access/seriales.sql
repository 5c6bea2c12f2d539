-- The point-of-sale terminal serials (seriales): the registry's list, the
-- assignment of a serial to a seller and its delete (actseriales), and the
-- searches of the registry and of the assignment window (dspserialven).
-- Serials come from outside the back office; nothing here adds one.

-- A serial result: the serial, the code and the name of the seller it is
-- assigned to (NULL for nobody), by serial.
CREATE FUNCTION seriales_lista(xfiltro text, xpor_vendedor boolean)
RETURNS TABLE (serial varchar, codvendedor varchar, nombre_vend varchar)
LANGUAGE sql STABLE AS $$
  SELECT s.serial, s.codvendedor, v.nombre_vend
  FROM seriales s
  LEFT JOIN vendedor v ON v.codvendedor = s.codvendedor
  WHERE xfiltro IS NULL
     OR (NOT xpor_vendedor AND starts_with(lower(s.serial), lower(xfiltro)))
     OR (xpor_vendedor AND starts_with(s.codvendedor, xfiltro))
  ORDER BY s.serial
$$;

-- A seller result: code and name, by code. By code: the codes that begin
-- with the text; by name: the names that hold it, case aside.
CREATE FUNCTION seriales_vendedores(xfiltro text, xpor_nombre boolean)
RETURNS TABLE (codvendedor varchar, nombre_vend varchar)
LANGUAGE sql STABLE AS $$
  SELECT v.codvendedor, v.nombre_vend
  FROM vendedor v
  WHERE xfiltro IS NULL
     OR (NOT xpor_nombre AND starts_with(v.codvendedor, xfiltro))
     OR (xpor_nombre AND strpos(lower(v.nombre_vend), lower(xfiltro)) > 0)
  ORDER BY v.codvendedor
$$;

-- actseriales mode, serial, user, seller:
--   "1" every serial (serial, seller code, seller name); the serial and
--       seller sent are not looked at, so the list after a delete is whole;
--   "2" assigns the serial to the seller;
--   "3" deletes the serial;
--   "4" every seller (code, name).
-- The user is not looked at. Serial and seller are taken without blanks
-- around them. Return codes: 0 done; 2 no such serial (modes 2, 3);
-- 3 a blank serial or seller; 4 a serial longer than 20 characters or a
-- seller longer than 5; 6 no such seller (mode 2). An unknown mode is an
-- error.
CREATE FUNCTION actseriales(xmodo varchar, xserial varchar, xusuario varchar, xvendedor varchar,
                            OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  numero text := btrim(coalesce(xserial, ''));
  vendedor text := btrim(coalesce(xvendedor, ''));
BEGIN
  IF modo NOT IN ('1', '2', '3', '4') THEN
    RAISE EXCEPTION 'actseriales: modo desconocido "%"', xmodo;
  END IF;
  return_value := 0;
  IF modo = '1' THEN
    OPEN resultado FOR SELECT * FROM seriales_lista(NULL, false);
    RETURN;
  END IF;
  IF modo = '4' THEN
    OPEN resultado FOR SELECT * FROM seriales_vendedores(NULL, false);
    RETURN;
  END IF;
  IF numero = '' OR (modo = '2' AND vendedor = '') THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(numero) > 20 OR char_length(vendedor) > 5 THEN
    return_value := 4;
    RETURN;
  END IF;
  IF modo = '3' THEN
    DELETE FROM seriales s WHERE s.serial = numero;
    return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    RETURN;
  END IF;
  IF NOT EXISTS (SELECT FROM vendedor v WHERE v.codvendedor = vendedor) THEN
    return_value := 6;
    RETURN;
  END IF;
  UPDATE seriales s SET codvendedor = vendedor WHERE s.serial = numero;
  return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
END $$;

-- dspserialven mode, text: "1" the sellers whose code begins with the
-- text, "2" those whose name holds it; "3" the serials that begin with it,
-- "4" the serials of the sellers whose code begins with it. Letter case
-- does not count except in codes; the text is taken as sent (leading
-- blanks count). An unknown mode is an error.
CREATE FUNCTION dspserialven(xmodo varchar, xvendedor varchar,
                             OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  texto text := coalesce(xvendedor, '');
BEGIN
  return_value := 0;
  CASE modo
    WHEN '1' THEN OPEN resultado FOR SELECT * FROM seriales_vendedores(texto, false);
    WHEN '2' THEN OPEN resultado FOR SELECT * FROM seriales_vendedores(texto, true);
    WHEN '3' THEN OPEN resultado FOR SELECT * FROM seriales_lista(texto, false);
    WHEN '4' THEN OPEN resultado FOR SELECT * FROM seriales_lista(texto, true);
    ELSE RAISE EXCEPTION 'dspserialven: modo desconocido "%"', xmodo;
  END CASE;
END $$;
