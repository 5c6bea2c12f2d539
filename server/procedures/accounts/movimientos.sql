-- The money movements of a seller: their list with the seller's balances
-- and their delete (dspmov), and their add and change (ACTMOV).
--
-- The type of a movement is the first character of its text (descri_mov):
--   0 the seller pays the house     1 the house pays the seller
--   2 a loan                        3 a payment of a loan instalment
--   4 a daily loan instalment       5 the payment of a daily instalment

-- The payment kind as its list item ("0 - Efectivo"); NULL for none.
CREATE FUNCTION item_tipo_pago(tipo varchar)
RETURNS text
LANGUAGE sql IMMUTABLE AS $$
  SELECT CASE tipo WHEN '0' THEN '0 - Efectivo' WHEN '1' THEN '1 - Cheque' WHEN '2' THEN '2 - Baucher' END
$$;

-- A seller's loan balance after the movements up to `hasta`: the loans
-- (type 2) less every instalment paid on them, by hand (type 3) or
-- collected daily (type 5).
CREATE FUNCTION saldo_prestamo_vendedor(vend text, hasta date)
RETURNS numeric
LANGUAGE sql STABLE AS $$
  SELECT coalesce(sum(CASE left(m.descri_mov, 1) WHEN '2' THEN m.monto_mov
                                                 WHEN '3' THEN -m.monto_mov
                                                 WHEN '5' THEN -m.monto_mov END), 0)
  FROM movimientos m
  WHERE m.codvendedor = vend AND m.fecha_mov <= hasta
$$;

-- A seller's lottery balance after `hasta`: what the days' lottery
-- accounts up to then left the seller owing the house (sales less
-- commissions and prizes), less what the seller paid the house (type 0),
-- plus what the house paid the seller (type 1).
CREATE FUNCTION saldo_loteria_vendedor(vend text, hasta date)
RETURNS numeric
LANGUAGE sql STABLE AS $$
  SELECT coalesce((SELECT sum(s.subtotal) FROM saldosdias s
                   WHERE s.vendedor = vend AND s.fecha <= hasta), 0)
       - coalesce((SELECT sum(CASE left(m.descri_mov, 1) WHEN '0' THEN m.monto_mov
                                                        WHEN '1' THEN -m.monto_mov END)
                   FROM movimientos m
                   WHERE m.codvendedor = vend AND m.fecha_mov <= hasta), 0)
$$;

-- dspmov mode, date, seller, five totals, document: mode "0" lists the
-- seller's movements of that date; mode "1" first deletes the seller's
-- movement of that document number and date (return 0, or 2 when there is
-- none: nothing deleted), then lists the same way. The rows, read by
-- position: 0 seller, 1 document number, 2 date "dd/mm/yyyy", 3 type text,
-- 4 amount, 5 remarks, 6 time "HH:MM:SS", 7 account code, 8 payment kind
-- code, 9 bank or box name, 10 payment kind item ("0 - Efectivo"); by time
-- and number. The totals, whatever they held: xtotpagoabanca and
-- xtotpagoavendedor the seller's payments of that date to the house (type
-- 0) and from it (type 1); xtotprestamo the loans up to that date (type 2);
-- xtotpagocuota the instalments paid on them up to that date (types 3 and
-- 5), so that loans less instalments is the line-up's loan balance; and
-- xmsaldoloteria the lottery balance after that date. A date that is none
-- is an error.
CREATE FUNCTION dspmov(xmodo varchar, xfecha varchar, xcodigo_vend varchar,
                       INOUT xtotpagoabanca numeric, INOUT xtotpagoavendedor numeric,
                       INOUT xtotprestamo numeric, INOUT xtotpagocuota numeric,
                       INOUT xmsaldoloteria numeric, xnrodoc varchar,
                       OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  vend text := btrim(coalesce(xcodigo_vend, ''));
  dia date := lee_fecha(xfecha, 'fecha de los movimientos');
BEGIN
  IF modo NOT IN ('0', '1') THEN
    RAISE EXCEPTION 'dspmov: modo desconocido "%"', xmodo;
  END IF;
  return_value := 0;
  IF modo = '1' THEN
    DELETE FROM movimientos m
     WHERE m.codvendedor = vend AND m.fecha_mov = dia AND m.nromov = btrim(coalesce(xnrodoc, ''));
    return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
  END IF;

  SELECT coalesce(sum(m.monto_mov) FILTER (WHERE left(m.descri_mov, 1) = '0' AND m.fecha_mov = dia), 0),
         coalesce(sum(m.monto_mov) FILTER (WHERE left(m.descri_mov, 1) = '1' AND m.fecha_mov = dia), 0),
         coalesce(sum(m.monto_mov) FILTER (WHERE left(m.descri_mov, 1) = '2'), 0),
         coalesce(sum(m.monto_mov) FILTER (WHERE left(m.descri_mov, 1) IN ('3', '5')), 0)
    INTO xtotpagoabanca, xtotpagoavendedor, xtotprestamo, xtotpagocuota
    FROM movimientos m
   WHERE m.codvendedor = vend AND m.fecha_mov <= dia;
  xmsaldoloteria := saldo_loteria_vendedor(vend, dia);

  OPEN resultado FOR
    SELECT m.codvendedor, m.nromov, to_char(m.fecha_mov, 'DD/MM/YYYY') AS fecha_mov, m.descri_mov,
           m.monto_mov, m.observa_mov, to_char(m.hora_mov, 'HH24:MI:SS') AS hora_mov, m.codigo_cuenta,
           m.tipo_pago_mov, c.banco_cuenta, item_tipo_pago(m.tipo_pago_mov) AS tipo_pago
      FROM movimientos m
      LEFT JOIN cuentas c ON c.codigo_cuenta = m.codigo_cuenta
     WHERE m.codvendedor = vend AND m.fecha_mov = dia
     ORDER BY m.hora_mov NULLS FIRST, m.nromov;
END $$;

-- ACTMOV mode, document number, type text, amount, date, time, seller,
-- remarks, account, payment kind: "0" adds the movement, "1" changes the
-- seller's movement of that number (its type, amount, date, time, remarks,
-- account and payment kind). A loan (type 2) carries its row in prestamos,
-- made, changed and dropped with the movement; a daily loan instalment
-- (type 4) sets the daily instalment of the seller's latest loan not paid
-- off. Codes are taken without blanks around them; an empty account or
-- payment kind is none.
-- Return codes:
--   0 done;
--   55 add of a document number that exists already (for any seller);
--   2 modify of a movement that does not exist;
--   3 a blank number or seller;
--   4 a number longer than 10, a type text longer than 40, remarks longer
--     than 200;
--   6 a seller or account that does not exist;
--   7 a type text not beginning with 0 to 5, an amount negative or none, a
--     date or time that is none, a payment kind other than 0, 1 or 2, a
--     code holding a control or invisible character.
-- An unknown mode is an error.
CREATE FUNCTION ACTMOV(xmodo varchar, nromov varchar, descri_mov varchar, monto_mov numeric,
                       fecha_mov varchar, hora_mov varchar, cod_vendedor varchar, observa_mov varchar,
                       xcodigo_cuenta varchar, xtipo_pago_mov varchar, OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  numero text := btrim(coalesce(nromov, ''));
  vend text := btrim(coalesce(cod_vendedor, ''));
  tipo text := rtrim(coalesce(descri_mov, ''));
  observaciones text := nullif(rtrim(coalesce(observa_mov, '')), '');
  cuenta text := nullif(btrim(coalesce(xcodigo_cuenta, '')), '');
  pago text := nullif(btrim(coalesce(xtipo_pago_mov, '')), '');
  monto numeric := ACTMOV.monto_mov;
  dia date;
  hora time(0);
  anterior movimientos%ROWTYPE;
BEGIN
  IF modo NOT IN ('0', '1') THEN
    RAISE EXCEPTION 'ACTMOV: modo desconocido "%"', xmodo;
  END IF;
  BEGIN
    dia := lee_fecha(fecha_mov, 'fecha del movimiento');
    hora := nullif(btrim(coalesce(hora_mov, '')), '')::time(0);
  EXCEPTION WHEN invalid_datetime_format OR datetime_field_overflow THEN
    return_value := 7;
    RETURN;
  END;
  return_value := CASE
    WHEN numero = '' OR vend = '' THEN 3
    WHEN char_length(numero) > 10 OR char_length(vend) > 5 OR char_length(tipo) > 40
         OR char_length(coalesce(observaciones, '')) > 200 OR char_length(coalesce(cuenta, '')) > 5 THEN 4
    WHEN NOT codigo_valido(numero) OR NOT codigo_valido(vend) OR NOT codigo_valido(coalesce(cuenta, '0'))
         OR tipo !~ '^[0-5]' OR NOT importe_valido(monto) OR monto < 0
         OR coalesce(pago, '0') NOT IN ('0', '1', '2') THEN 7
    WHEN NOT EXISTS (SELECT FROM vendedor v WHERE v.codvendedor = vend)
         OR (cuenta IS NOT NULL AND NOT EXISTS (SELECT FROM cuentas c WHERE c.codigo_cuenta = cuenta)) THEN 6
    END;
  IF return_value IS NOT NULL THEN
    RETURN;
  END IF;

  IF modo = '0' THEN
    INSERT INTO movimientos AS m (nromov, descri_mov, monto_mov, fecha_mov, hora_mov, codvendedor,
                                  observa_mov, codigo_cuenta, tipo_pago_mov)
    VALUES (numero, tipo, monto, dia, hora, vend, observaciones, cuenta, pago)
    ON CONFLICT DO NOTHING;
    IF NOT FOUND THEN
      return_value := 55;
      RETURN;
    END IF;
  ELSE
    SELECT * INTO anterior FROM movimientos m WHERE m.nromov = numero AND m.codvendedor = vend FOR UPDATE;
    IF NOT FOUND THEN
      return_value := 2;
      RETURN;
    END IF;
    IF left(anterior.descri_mov, 1) = '2' AND left(tipo, 1) <> '2' THEN
      DELETE FROM prestamos p WHERE p.nroprestamo = numero AND p.codvendedor = vend;
    END IF;
    UPDATE movimientos m
       SET descri_mov = tipo, monto_mov = monto, fecha_mov = dia, hora_mov = hora,
           observa_mov = observaciones, codigo_cuenta = cuenta, tipo_pago_mov = pago
     WHERE m.nromov = numero AND m.codvendedor = vend;
  END IF;

  IF left(tipo, 1) = '2' THEN
    IF monto > 0 THEN
      INSERT INTO prestamos AS p (nroprestamo, codvendedor, fecha_prestamo, monto_prestamo)
      VALUES (numero, vend, dia, monto)
      ON CONFLICT (nroprestamo) DO UPDATE SET fecha_prestamo = dia, monto_prestamo = monto;
    ELSE
      DELETE FROM prestamos p WHERE p.nroprestamo = numero AND p.codvendedor = vend;
    END IF;
  ELSIF left(tipo, 1) = '4' THEN
    UPDATE prestamos p SET cuota_diaria = monto
     WHERE p.nroprestamo = (SELECT q.nroprestamo FROM prestamos q
                             WHERE q.codvendedor = vend AND q.saldado = 'N' AND q.fecha_prestamo <= dia
                             ORDER BY q.fecha_prestamo DESC, q.nroprestamo DESC LIMIT 1);
  END IF;
  return_value := 0;
END $$;
