-- The house's bank accounts and petty-cash boxes: their list (DSPcuentas)
-- and their maintenance (ACTcuentas).

-- DSPcuentas '0' [, x]: every account, by code. Callers read by position
-- (code, bank, account number) or by name (codigo_cuenta, banco_cuenta).
-- The second argument, which some callers leave out, is not looked at; any
-- mode but '0' is refused.
CREATE FUNCTION DSPcuentas(xmodo varchar, xopcion varchar DEFAULT '')
RETURNS TABLE (codigo_cuenta varchar, banco_cuenta varchar, nro_cuenta varchar)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  IF btrim(coalesce(xmodo, '')) IS DISTINCT FROM '0' THEN
    RAISE EXCEPTION 'DSPcuentas: modo desconocido "%"', xmodo;
  END IF;
  RETURN QUERY
    SELECT c.codigo_cuenta, c.banco_cuenta, c.nro_cuenta
    FROM cuentas c
    ORDER BY c.codigo_cuenta;
END $$;

-- ACTcuentas mode, code, bank, account number: "1" adds the account, "2"
-- changes its bank and number (the code never changes), "3" deletes it (the
-- bank and number are not looked at then: the code alone names it). The
-- code is taken without blanks around it, bank and number without trailing
-- blanks.
-- Return codes:
--   0 done;
--   1 add of a code that exists already;
--   2 modify or delete of a code that does not exist;
--   3 a blank code, or a blank bank or number on add or modify;
--   4 a code longer than 5, a bank longer than 50, a number longer than 60;
--   5 delete of an account that movements are booked on;
--   7 a code holding a control or invisible character.
-- An unknown mode is an error.
CREATE FUNCTION ACTcuentas(xmodo varchar, xcodigo_cuenta varchar, xbanco_cuenta varchar,
                           xnro_cuenta varchar, OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  codigo text := btrim(coalesce(xcodigo_cuenta, ''));
  banco text := rtrim(coalesce(xbanco_cuenta, ''));
  numero text := rtrim(coalesce(xnro_cuenta, ''));
BEGIN
  IF modo NOT IN ('1', '2', '3') THEN
    RAISE EXCEPTION 'ACTcuentas: modo desconocido "%"', xmodo;
  END IF;
  return_value := retorno_codigo(codigo, 5);
  IF return_value <> 0 THEN
    RETURN;
  END IF;

  IF modo = '3' THEN
    BEGIN
      DELETE FROM cuentas WHERE codigo_cuenta = codigo;
      return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    EXCEPTION WHEN foreign_key_violation THEN
      return_value := 5;
    END;
    RETURN;
  END IF;

  IF btrim(banco) = '' OR btrim(numero) = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(banco) > 50 OR char_length(numero) > 60 THEN
    return_value := 4;
    RETURN;
  END IF;
  IF modo = '1' THEN
    INSERT INTO cuentas (codigo_cuenta, banco_cuenta, nro_cuenta)
    VALUES (codigo, banco, numero)
    ON CONFLICT (codigo_cuenta) DO NOTHING;
    return_value := CASE WHEN FOUND THEN 0 ELSE 1 END;
    RETURN;
  END IF;
  UPDATE cuentas SET banco_cuenta = banco, nro_cuenta = numero WHERE codigo_cuenta = codigo;
  return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
END $$;
