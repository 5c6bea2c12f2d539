-- The two consolidation reports of seller money: play balance against
-- expenses (RPTGASTOSALDO) and bank-account balances (RPTcuentamov).

-- The sign a movement takes on the account it is booked on: money that
-- comes in (the seller pays the house, a loan instalment paid) adds, money
-- that goes out (the house pays the seller, a loan) subtracts; a daily
-- loan instalment moves no money.
CREATE FUNCTION signo_cuenta(descri varchar)
RETURNS integer
LANGUAGE sql IMMUTABLE AS $$
  SELECT CASE left(descri, 1) WHEN '0' THEN 1 WHEN '3' THEN 1 WHEN '5' THEN 1
                              WHEN '1' THEN -1 WHEN '2' THEN -1 ELSE 0 END
$$;

-- RPTGASTOSALDO first seller, last seller, from date, to date, detail:
-- for each seller of the range (an empty code leaves that end open) with
-- lottery accounts or expenses between the dates, the play balance (the
-- days' lottery accounts: sales less commissions and prizes) against the
-- expenses. Detail "0": one row per seller (code, play balance, expenses,
-- name); "1": one row per seller and date with either (code, date
-- "dd/mm/yyyy", play balance, expenses, name). Each side is summed on its
-- own, so an expense counts once whatever the lottery rows of its day.
-- By seller and date.
CREATE FUNCTION RPTGASTOSALDO(xvendedor1 varchar, xvendedor2 varchar, xfecha1 varchar, xfecha2 varchar,
                              xdetalle varchar, OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  desde date := lee_fecha(xfecha1, 'fecha desde');
  hasta date := lee_fecha(xfecha2, 'fecha hasta');
  v1 text := nullif(btrim(coalesce(xvendedor1, '')), '');
  v2 text := nullif(btrim(coalesce(xvendedor2, '')), '');
  detalle text := btrim(coalesce(xdetalle, ''));
BEGIN
  IF detalle NOT IN ('0', '1') THEN
    RAISE EXCEPTION 'RPTGASTOSALDO: detalle desconocido "%"', xdetalle;
  END IF;
  return_value := 0;
  OPEN resultado FOR EXECUTE format($q$
    WITH jugada AS (
      -- A seller's daily results summed per day, as the line-up keeps them.
      SELECT s.vendedor AS codvendedor, s.fecha, s.subtotal AS jugada
        FROM saldosdias_dia s
       WHERE s.fecha BETWEEN $1 AND $2
         AND ($3 IS NULL OR s.vendedor >= $3) AND ($4 IS NULL OR s.vendedor <= $4)),
    gasto AS (
      SELECT g.codvendedor, g.fecha_gasto AS fecha, sum(g.monto_gasto) AS gastos
        FROM gastosvendedor g
       WHERE g.fecha_gasto BETWEEN $1 AND $2
         AND ($3 IS NULL OR g.codvendedor >= $3) AND ($4 IS NULL OR g.codvendedor <= $4)
       GROUP BY 1, 2),
    dias AS (
      SELECT coalesce(j.codvendedor, g.codvendedor) AS codvendedor, coalesce(j.fecha, g.fecha) AS fecha,
             coalesce(j.jugada, 0) AS jugada, coalesce(g.gastos, 0) AS gastos
        FROM jugada j FULL JOIN gasto g ON g.codvendedor = j.codvendedor AND g.fecha = j.fecha)
    %s$q$,
    CASE detalle
      WHEN '0' THEN
        'SELECT d.codvendedor, sum(d.jugada) AS saldo_jugada, sum(d.gastos) AS gastos, v.nombre_vend
           FROM dias d JOIN vendedor v ON v.codvendedor = d.codvendedor
          GROUP BY d.codvendedor, v.nombre_vend ORDER BY d.codvendedor'
      ELSE
        'SELECT d.codvendedor, to_char(d.fecha, ''DD/MM/YYYY'') AS fecha, d.jugada AS saldo_jugada,
                d.gastos, v.nombre_vend
           FROM dias d JOIN vendedor v ON v.codvendedor = d.codvendedor
          ORDER BY d.codvendedor, d.fecha'
    END)
    USING desde, hasta, v1, v2;
END $$;

-- RPTcuentamov first account, last account, from date, to date, detail:
-- the accounts of the range (an empty code leaves that end open). Detail
-- "0": one row per account (code, bank as nombre_banco, nro_cuenta, balance
-- of the movements booked on it between the dates, each with its sign);
-- "1": one row per such movement (code, nombre_banco, nro_cuenta, vendedor,
-- nombre_vend, fecha_mov "dd/mm/yyyy", descri_mov, montocuenta: the amount
-- with its sign), so an account's balance is the sum of its detailed rows.
-- By account, then date, time and number.
CREATE FUNCTION RPTcuentamov(xcuenta1 varchar, xcuenta2 varchar, xfecha1 varchar, xfecha2 varchar,
                             xdetalle varchar, OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  desde date := lee_fecha(xfecha1, 'fecha desde');
  hasta date := lee_fecha(xfecha2, 'fecha hasta');
  c1 text := nullif(btrim(coalesce(xcuenta1, '')), '');
  c2 text := nullif(btrim(coalesce(xcuenta2, '')), '');
  detalle text := btrim(coalesce(xdetalle, ''));
BEGIN
  IF detalle NOT IN ('0', '1') THEN
    RAISE EXCEPTION 'RPTcuentamov: detalle desconocido "%"', xdetalle;
  END IF;
  return_value := 0;
  IF detalle = '0' THEN
    OPEN resultado FOR
      SELECT c.codigo_cuenta, c.banco_cuenta AS nombre_banco, c.nro_cuenta,
             coalesce(sum(signo_cuenta(m.descri_mov) * m.monto_mov), 0) AS saldo
        FROM cuentas c
        LEFT JOIN movimientos m ON m.codigo_cuenta = c.codigo_cuenta AND m.fecha_mov BETWEEN desde AND hasta
       WHERE (c1 IS NULL OR c.codigo_cuenta >= c1) AND (c2 IS NULL OR c.codigo_cuenta <= c2)
       GROUP BY c.codigo_cuenta, c.banco_cuenta, c.nro_cuenta
       ORDER BY c.codigo_cuenta;
  ELSE
    OPEN resultado FOR
      SELECT c.codigo_cuenta, c.banco_cuenta AS nombre_banco, c.nro_cuenta, m.codvendedor AS vendedor,
             v.nombre_vend, to_char(m.fecha_mov, 'DD/MM/YYYY') AS fecha_mov, m.descri_mov,
             signo_cuenta(m.descri_mov) * m.monto_mov AS montocuenta
        FROM cuentas c
        JOIN movimientos m ON m.codigo_cuenta = c.codigo_cuenta AND m.fecha_mov BETWEEN desde AND hasta
        JOIN vendedor v ON v.codvendedor = m.codvendedor
       WHERE (c1 IS NULL OR c.codigo_cuenta >= c1) AND (c2 IS NULL OR c.codigo_cuenta <= c2)
       ORDER BY c.codigo_cuenta, m.fecha_mov, m.hora_mov NULLS FIRST, m.nromov;
  END IF;
END $$;
