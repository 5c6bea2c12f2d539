-- Instant messages to the sale points: the sellers a message may go to
-- (DSPVEN mode 4) and the sending (mensajessp1).

-- DSPVEN 'modo', seller code, third value: seller queries and settings, one
-- function per mode, dspven_modo<modo>(seller code, third value) with an OUT
-- return_value and an OUT refcursor; a new mode is a new such function (in
-- any file), with no change here. The text calls send two or three values,
-- the typed call three.
CREATE FUNCTION DSPVEN(xmodo varchar, xcodigo_vend varchar DEFAULT '',
                       xpermisovendedor varchar DEFAULT '',
                       OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  funcion text := 'dspven_modo' || lower(btrim(coalesce(xmodo, '')));
BEGIN
  IF btrim(coalesce(xmodo, '')) !~ '^[0-9A-Za-z]+$'
     OR NOT EXISTS (SELECT FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace
                    WHERE n.nspname = 'proc' AND p.proname = funcion AND p.pronargs = 2) THEN
    RAISE EXCEPTION 'DSPVEN: modo desconocido "%"', xmodo;
  END IF;
  EXECUTE format('SELECT * FROM proc.%I($1, $2)', funcion)
    INTO return_value, resultado
    USING xcodigo_vend, xpermisovendedor;
END $$;

-- Mode 4: the sellers a message may go to, every seller by code, with the
-- columns the messages window reads. The seller code ("00000") and the
-- operator code the window sends select nothing: every operator who may
-- open the window may write to every seller.
CREATE FUNCTION dspven_modo4(xcodigo_vend varchar, xoperador varchar,
                             OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
BEGIN
  return_value := 0;
  OPEN resultado FOR
    SELECT v.codvendedor, v.nombre_vend
    FROM vendedor v
    ORDER BY v.codvendedor;
END $$;

-- mensajessp1: keeps a message for the sale points of one seller, or of
-- every seller for the code "@@@@@" (one row each), with the server's time
-- and unread. Return codes: 0 stored; 3 an empty code, message, sender or
-- mode; 4 a value longer than its column; 6 no such seller (or no seller at
-- all for "@@@@@"). A refused message stores nothing.
CREATE FUNCTION mensajessp1(xcodigo_vend varchar, mensaje varchar, vend_envia varchar,
                            xmodo varchar, OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  filas integer;
BEGIN
  IF btrim(coalesce(xcodigo_vend, '')) = '' OR coalesce(mensaje, '') = ''
     OR coalesce(vend_envia, '') = '' OR coalesce(xmodo, '') = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(xcodigo_vend) > 5 OR char_length(mensaje) > 300
     OR char_length(vend_envia) > 5 OR char_length(xmodo) > 1 THEN
    return_value := 4;
    RETURN;
  END IF;
  INSERT INTO mensajes (codvendedor, mensaje, vend_envia, modo, fechahora, leido)
  SELECT v.codvendedor, mensajessp1.mensaje, mensajessp1.vend_envia, xmodo,
         reloj_servidor(), 'N'
  FROM vendedor v
  WHERE xcodigo_vend = '@@@@@' OR v.codvendedor = xcodigo_vend;
  GET DIAGNOSTICS filas = ROW_COUNT;
  return_value := CASE WHEN filas = 0 THEN 6 ELSE 0 END;
END $$;
