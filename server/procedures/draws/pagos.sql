-- Verifying and paying a winning ticket (PAGATICKETnew), and the one rule
-- of expiry that payment and the expired-tickets report share.

-- A ticket sold on `fechaticket` by a seller whose tickets expire after
-- `diascaduca` days is expired on `hoy` when hoy is later than the sale
-- date plus those days: with 5 days, a ticket of the 1st is paid up to the
-- 6th and expired from the 7th.
CREATE FUNCTION ticket_caducado(fechaticket date, diascaduca integer, hoy date)
RETURNS boolean
LANGUAGE sql IMMUTABLE AS $$
  SELECT hoy > fechaticket + diascaduca
$$;

-- PAGATICKETnew serial, seller, operator, mode, ticket number: mode "0"
-- verifies, mode "1" pays. The ticket is the seller's ticket of that number
-- (trimmed) whose serial matches (trimmed). Return codes, checked in this
-- order: 8 no such ticket (no row); 9 annulled; a paid ticket 55 when
-- verifying (its row shows who paid it), 6 when paying; 3 no prize; 7
-- expired; 0 verified, or paid by this operator. The payment is one
-- conditional update of the unpaid row, so of two operators paying at once
-- exactly one gets 0 and the other 6. The result set is the ticket's row.
-- A payment by an operator code that is blank, not a code, or names no
-- operator is an error, and nothing is paid.
CREATE FUNCTION PAGATICKETnew(xserial varchar, xcodigo_vend varchar, xcodigo_user varchar,
                              xmodo varchar, nticket varchar,
                              OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  vend text := btrim(coalesce(xcodigo_vend, ''));
  numero text := btrim(coalesce(nticket, ''));
  serie text := btrim(coalesce(xserial, ''));
  oper text := btrim(coalesce(xcodigo_user, ''));
  hoy date := reloj_servidor()::date;
  t tickets%ROWTYPE;
  caduca integer;
BEGIN
  IF xmodo IS NULL OR xmodo NOT IN ('0', '1') THEN
    RAISE EXCEPTION 'PAGATICKETnew: modo desconocido "%"', xmodo;
  END IF;
  IF xmodo = '1' AND (oper = '' OR char_length(oper) > 5 OR NOT codigo_valido(oper)) THEN
    RAISE EXCEPTION 'PAGATICKETnew: operador inválido "%"', oper;
  END IF;
  IF xmodo = '1' AND NOT EXISTS (SELECT FROM operador o WHERE o.operador = oper) THEN
    RAISE EXCEPTION 'PAGATICKETnew: operador desconocido "%"', oper;
  END IF;

  IF xmodo = '1' THEN
    UPDATE tickets k
       SET pagado = 'S', fechapago = reloj_servidor(), operadorpago = oper
      FROM vendedor v
     WHERE k.codvendedor = vend AND k.nroticket = numero AND btrim(k.serial) = serie
       AND v.codvendedor = k.codvendedor
       AND k.anulado = 'N' AND k.pagado = 'N' AND k.montopremio > 0
       AND NOT ticket_caducado(k.fechaticket, v.diascaduca, hoy);
    IF FOUND THEN
      return_value := 0;
    END IF;
  END IF;

  SELECT k.* INTO t FROM tickets k
   WHERE k.codvendedor = vend AND k.nroticket = numero AND btrim(k.serial) = serie;
  SELECT v.diascaduca INTO caduca FROM vendedor v WHERE v.codvendedor = t.codvendedor;

  IF return_value IS NULL THEN
    return_value := CASE
      WHEN t.codvendedor IS NULL THEN 8
      WHEN t.anulado = 'S' OR t.estadoticket = 'ELI' THEN 9
      WHEN t.pagado = 'S' THEN CASE xmodo WHEN '0' THEN 55 ELSE 6 END
      WHEN coalesce(t.montopremio, 0) <= 0 THEN 3
      WHEN ticket_caducado(t.fechaticket, caduca, hoy) THEN 7
      ELSE 0 END;
  END IF;

  OPEN resultado FOR
    SELECT k.codvendedor AS vendedor, k.nroticket, k.serial, k.usuario, k.fechaticket,
           k.horaticket, k.montoticket, k.montopremio, k.estadoticket, k.anulado,
           k.premiado, k.pagado, k.fechapago, k.operadorpago
      FROM tickets k
     WHERE k.codvendedor = t.codvendedor AND k.nroticket = t.nroticket;
END $$;
