-- The daily expenses of a seller: their list (dspgastos) and their
-- maintenance (ACTGastos).

-- The expenses of one seller on one date of one discount kind, by number,
-- in the layout every expense list reads by position: 0 seller, 1 number,
-- 2 date "dd/mm/yyyy", 3 description, 4 amount, 5 remarks.
CREATE FUNCTION gastos_del_dia(vend text, dia date, tipo text)
RETURNS TABLE (codvendedor varchar, nrogasto varchar, fecha_gasto text, descri_gasto varchar,
               monto_gasto numeric, observa_gasto varchar)
LANGUAGE sql STABLE AS $$
  SELECT g.codvendedor, g.nrogasto, to_char(g.fecha_gasto, 'DD/MM/YYYY'), g.descri_gasto,
         g.monto_gasto, g.observa_gasto
  FROM gastosvendedor g
  WHERE g.codvendedor = vend AND g.fecha_gasto = dia AND g.tipo_descuento = tipo
  ORDER BY g.nrogasto
$$;

-- dspgastos date, seller, discount kind: that seller's expenses of that
-- date (seller and kind without blanks around them). A date that is none
-- is an error.
CREATE FUNCTION dspgastos(xfecha varchar, xcodigo_vend varchar, tipo_descuento varchar)
RETURNS TABLE (codvendedor varchar, nrogasto varchar, fecha_gasto text, descri_gasto varchar,
               monto_gasto numeric, observa_gasto varchar)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  RETURN QUERY
    SELECT * FROM gastos_del_dia(btrim(coalesce(xcodigo_vend, '')), lee_fecha(xfecha, 'fecha del gasto'),
                                 coalesce(nullif(btrim(dspgastos.tipo_descuento), ''), '0'));
END $$;

-- ACTGastos mode, number, description, amount, date, seller, remarks,
-- discount kind: "0" adds the seller's expense of that number, "1" changes
-- its description, amount, date and remarks, "2" deletes the seller's
-- expense of that number and date (description, amount and remarks are not
-- looked at then) and answers, as its rows, the seller's expenses left on
-- that date (the layout of dspgastos). An expense is named by its seller
-- and number; codes are taken without blanks around them, texts without
-- trailing blanks.
-- Return codes:
--   0 done;
--   1 add of a number the seller has already;
--   2 modify or delete of an expense that does not exist;
--   3 a blank number or seller;
--   4 a number longer than 10, a description longer than 40, remarks
--     longer than 200;
--   6 a seller that does not exist;
--   7 an amount that is negative or none, a date that is none, a number
--     holding a control or invisible character, a discount kind other than
--     one character.
-- An unknown mode is an error.
CREATE FUNCTION ACTGastos(xmodo varchar, nrogasto varchar, descri_gasto varchar, monto_gasto numeric,
                          fecha_gasto varchar, vendedor varchar, observa_gasto varchar,
                          tipo_descuento varchar, OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  numero text := btrim(coalesce(nrogasto, ''));
  vend text := btrim(coalesce(vendedor, ''));
  descripcion text := rtrim(coalesce(descri_gasto, ''));
  observaciones text := nullif(rtrim(coalesce(observa_gasto, '')), '');
  tipo text := coalesce(nullif(btrim(tipo_descuento), ''), '0');
  dia date;
BEGIN
  IF modo NOT IN ('0', '1', '2') THEN
    RAISE EXCEPTION 'ACTGastos: modo desconocido "%"', xmodo;
  END IF;
  BEGIN
    dia := lee_fecha(fecha_gasto, 'fecha del gasto');
  EXCEPTION WHEN invalid_datetime_format THEN
    dia := NULL;
  END;
  return_value := CASE
    WHEN numero = '' OR vend = '' THEN 3
    WHEN char_length(numero) > 10 OR char_length(vend) > 5 OR char_length(descripcion) > 40
         OR char_length(coalesce(observaciones, '')) > 200 THEN 4
    WHEN NOT codigo_valido(numero) OR NOT codigo_valido(vend) OR char_length(tipo) <> 1 OR dia IS NULL THEN 7
    WHEN modo <> '2' AND (NOT importe_valido(monto_gasto) OR monto_gasto < 0) THEN 7
    WHEN NOT EXISTS (SELECT FROM vendedor v WHERE v.codvendedor = vend) THEN 6
    END;

  IF return_value IS NULL THEN
    IF modo = '0' THEN
      INSERT INTO gastosvendedor AS g (codvendedor, nrogasto, fecha_gasto, descri_gasto, monto_gasto,
                                       observa_gasto, tipo_descuento)
      VALUES (vend, numero, dia, descripcion, monto_gasto, observaciones, tipo)
      ON CONFLICT ON CONSTRAINT gastosvendedor_pkey DO NOTHING;
      return_value := CASE WHEN FOUND THEN 0 ELSE 1 END;
    ELSIF modo = '1' THEN
      UPDATE gastosvendedor g
         SET descri_gasto = descripcion, monto_gasto = ACTGastos.monto_gasto, fecha_gasto = dia,
             observa_gasto = observaciones
       WHERE g.codvendedor = vend AND g.nrogasto = numero;
      return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    ELSE
      DELETE FROM gastosvendedor g
       WHERE g.codvendedor = vend AND g.nrogasto = numero AND g.fecha_gasto = dia;
      return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    END IF;
  END IF;

  IF modo = '2' THEN
    OPEN resultado FOR SELECT * FROM gastos_del_dia(vend, dia, tipo);
  END IF;
END $$;

